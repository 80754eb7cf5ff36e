#pragma once
#include <QLineEdit>

namespace ondarel {

// Checks a field on every change of its text, typed or programmatic: an empty
// text passes; a text that does not convert as a whole shows "Valor inválido !"
// and falls back to this field's own last accepted text.
void attachInputCheck(QLineEdit* field);

}  // namespace ondarel
