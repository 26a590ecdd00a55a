#include "print/DeclarationExport.h"

#include <stdexcept>

namespace {
DeclarationExport::Function& Installed() {
    static DeclarationExport::Function function;
    return function;
}
} // namespace

namespace DeclarationExport {

Function Install(Function export_) {
    Function previous = std::move(Installed());
    Installed() = std::move(export_);
    return previous;
}

QString Run(const QString& folder, mTDeclaration& declaration, Mode mode) {
    if (!Installed())
        throw std::runtime_error("Формирование декларации в формате xml недоступно в этой сборке программы.");
    return Installed()(folder, declaration, mode);
}

} // namespace DeclarationExport
