#include "framework/ui/ModalScope.h"

namespace {

int& Depth() {
    static int depth = 0;
    return depth;
}

}  // namespace

ModalScope::ModalScope() {
    ++Depth();
}

ModalScope::~ModalScope() {
    --Depth();
}

bool ModalScope::Active() {
    return Depth() > 0;
}
