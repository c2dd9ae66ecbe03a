#include "selectwindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "controlbinder.h"

namespace spindex::ui {

SelectWindow::SelectWindow(Session& session, spindex::SelectControllerForm& form)
    : FormWindow(session, form), m_binder(new ControlBinder(session, form, *this)) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(24, 20, 24, 20);
    column->setSpacing(10);
    QLabel* caption = m_binder->label(form.Label1);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    QComboBox* list = m_binder->list(form.cmbSelectCont);
    list->setMinimumWidth(260);
    QPushButton* configure = m_binder->button(form.Command1);
    configure->setMinimumSize(170, 32);
    column->addWidget(caption);
    column->addWidget(list);
    column->addSpacing(8);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(configure);
    row->addStretch();
    column->addLayout(row);
    setCentralWidget(central);
    list->setFocus();
}

void SelectWindow::refresh() {
    m_binder->refresh();
}

} // namespace spindex::ui
