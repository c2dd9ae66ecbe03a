#include "assumptionswindow.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "controlbinder.h"

namespace spindex::ui {

AssumptionsWindow::AssumptionsWindow(WindowActions& actions, spindex::AssumptionsForm& form, QWidget* owner)
    : FormWindow(actions, form, owner) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setWindowModality(Qt::WindowModal);
    ControlBinder& bind = binder();
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(18, 18, 18, 14);
    auto* boxes = new QFormLayout;
    boxes->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (size_t i = 0; i < form.txtAssumption.size(); ++i) {
        QLineEdit* box = bind.textBox(form.txtAssumption[i]);
        box->setMinimumWidth(140);
        boxes->addRow(bind.label(form.lblAssumption[i], box), box);
    }
    column->addLayout(boxes);

    auto* buttons = new QDialogButtonBox(central);
    QPushButton* ok = bind.button(form.cmdOK);
    QPushButton* cancel = bind.button(form.cmdCancel);
    QPushButton* defaults = bind.button(form.cmdDefaults);
    buttons->addButton(defaults, QDialogButtonBox::ResetRole);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    ok->setToolTip(tr("Check the values and use them for the plan"));
    cancel->setToolTip(tr("Close without changing the assumptions"));
    defaults->setToolTip(tr("Put the default values into the boxes"));
    setDefaultButton(ok);
    column->addWidget(buttons);
    setCentralWidget(central);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void AssumptionsWindow::showModel(spindex::Form&) {
    binder().refresh();
}

} // namespace spindex::ui
