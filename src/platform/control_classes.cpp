#include "control_classes.h"

#include <functional>
#include <map>

#include "conversion/exception.h"
#include "platform/button.h"
#include "platform/edit.h"
#include "platform/label.h"
#include "platform/memo.h"
#include "platform/qt_system_text.h"

namespace dividir {

TControl* NewControl(const QString& className, QWidget* parent) {
    static const std::map<QString, std::function<TControl*(QWidget*)>> kControlClasses = {
        {QStringLiteral("TLabel"), [](QWidget* p) -> TControl* { return new TLabel(p); }},
        {QStringLiteral("TMemo"), [](QWidget* p) -> TControl* { return new TMemo(p); }},
        {QStringLiteral("TEdit"), [](QWidget* p) -> TControl* { return new TEdit(p); }},
        {QStringLiteral("TButton"), [](QWidget* p) -> TControl* { return new TButton(p); }},
    };
    const auto found = kControlClasses.find(className);
    if (found == kControlClasses.end()) {
        throw Exception(ToSystemText(QStringLiteral("Class %1 not found").arg(className)));
    }
    return found->second(parent);
}

}  // namespace dividir
