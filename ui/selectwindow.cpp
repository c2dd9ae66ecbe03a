#include "selectwindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "controlbinder.h"

namespace spindex::ui {

SelectWindow::SelectWindow(WindowActions& actions, spindex::SelectControllerForm& form) : FormWindow(actions, form) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    ControlBinder& bind = binder();
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(24, 20, 24, 20);
    column->setSpacing(10);
    QComboBox* list = bind.list(form.cmbSelectCont);
    QLabel* caption = bind.label(form.Label1, list);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    list->setMinimumWidth(260);
    list->setToolTip(tr("The controller to plan for"));
    QPushButton* configure = bind.button(form.Command1);
    configure->setMinimumSize(170, 32);
    configure->setToolTip(tr("Set up the chosen controller and open the calculator"));
    setDefaultButton(configure);
    column->addWidget(caption);
    column->addWidget(list);
    column->addSpacing(8);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(configure);
    row->addStretch();
    column->addLayout(row);
    setCentralWidget(central);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    list->setFocus();
}

void SelectWindow::showModel(spindex::Form&) {
    binder().refresh();
}

} // namespace spindex::ui
