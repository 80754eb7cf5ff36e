#include "framework/input_check.h"

#include "core/number_text.h"
#include "framework/window_registry.h"

namespace ondarel {

void attachInputCheck(QLineEdit* field)
{
    // Kept per field, not once for the whole program, so an invalid keystroke
    // never pastes another field's text.
    auto lastGood = std::make_shared<QString>();
    QObject::connect(field, &QLineEdit::textChanged, field, [field, lastGood](const QString& text) {
        if (text.isEmpty()) return;
        if (parseNumber(text.toStdString())) {
            *lastGood = text;
            return;
        }
        WindowRegistry::instance().seam().message(field->window(), MessageKind::Error, "Valor inválido !");
        field->setText(*lastGood);
    });
}

}  // namespace ondarel
