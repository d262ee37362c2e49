#include "app/handlers.h"

namespace quenvar {

void OnMonitorButtonClicked() {}
void OnBeepOptionClicked() {}
void OnStandbyButtonClicked() {}
void OnClearLogButtonClicked() {}
void OnOpenLogButtonClicked() {}

}  // namespace quenvar
