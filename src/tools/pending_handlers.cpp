#include "app/handlers.h"

namespace quenvar {

void OnAutorunOptionClicked() {}
void OnUpdateLinkPressed() {}

}  // namespace quenvar
