#include "print/FormPrinter.h"
#include "print/PrintComponent.h"

namespace {
PrintComponents::Factory& Installed() {
    static PrintComponents::Factory factory;
    return factory;
}
} // namespace

namespace PrintComponents {

std::unique_ptr<TPrintComponent> Create() {
    std::unique_ptr<TPrintComponent> component =
        Installed() ? Installed()() : std::make_unique<TFormPrinter>();
    if (!component) throw PrintComponentError(QStringLiteral("Модуль печати не создан."));
    return component;
}

Factory InstallFactory(Factory factory) {
    Factory previous = std::move(Installed());
    Installed() = std::move(factory);
    return previous;
}

} // namespace PrintComponents
