#include "form/table_window_form.h"

namespace pc::form {

TableWindowForm::TableWindowForm() : Form(QStringLiteral("TableWindow"))
{
    add(TForm2, nullptr);
    add(SG_EC3Table, &TForm2);
    for (Control *c : controls())
        c->setShowHint(true);
    TForm2.setVisible(false);
    TForm2.setHint(QStringLiteral("Click on first column to show whole line text in a hint."));
}

} // namespace pc::form
