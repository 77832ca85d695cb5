#pragma once
// The corrosion table window (TForm2): one read-only grid of the loss of
// thickness of every detail of the selected annex. The driver reaches its
// controls as "TableWindow.<name>".

#include "form/form.h"

namespace pc::form {

class TableWindowForm : public Form
{
public:
    TableWindowForm();

    Control TForm2{QStringLiteral("TForm2"), Kind::Window};
    Control SG_EC3Table{QStringLiteral("SG_EC3Table"), Kind::Grid};
};

} // namespace pc::form
