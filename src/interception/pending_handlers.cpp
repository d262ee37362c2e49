#include "app/handlers.h"

namespace quenvar {

void OnMonitorButtonClicked() {}
void OnBeepOptionClicked() {}
void OnStandbyButtonClicked() {}

}  // namespace quenvar
