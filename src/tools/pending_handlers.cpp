#include "app/handlers.h"

namespace quenvar {

void OnShutdownTimeButtonClicked() {}
void OnAutorunOptionClicked() {}
void OnUpdateLinkPressed() {}

}  // namespace quenvar
