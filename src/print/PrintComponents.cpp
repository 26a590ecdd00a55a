#include "print/FormPrinter.h"
#include "print/PrintComponent.h"

namespace PrintComponents {

std::unique_ptr<TPrintComponent> Create() {
    return std::make_unique<TFormPrinter>();
}

} // namespace PrintComponents
