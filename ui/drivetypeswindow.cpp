#include "drivetypeswindow.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "controlbinder.h"

namespace spindex::ui {

DriveTypesWindow::DriveTypesWindow(WindowActions& actions, spindex::DriveTypesForm& form, QWidget* owner)
    : FormWindow(actions, form, owner) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    ControlBinder& bind = binder();
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(18, 18, 18, 14);
    row->setSpacing(18);

    // The new type's boxes, the size first: the tab order follows them down, then the buttons.
    auto* left = new QVBoxLayout;
    auto* boxes = new QFormLayout;
    boxes->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLineEdit* size = bind.textBox(form.txtSize);
    size->setToolTip(tr("The drive's size in GB, up to two decimals"));
    boxes->addRow(bind.label(form.lblSize, size), size);
    auto* heights = new QHBoxLayout;
    QCheckBox* half = bind.checkBox(form.ckHalfHeight);
    QCheckBox* low = bind.checkBox(form.ckLowProfile);
    half->setToolTip(tr("The drive is made as a half-height drive"));
    low->setToolTip(tr("The drive is made as a low-profile drive"));
    heights->addWidget(half);
    heights->addWidget(low);
    auto* heightLabel = new QLabel(tr("Heights"), central);
    boxes->addRow(heightLabel, heights);
    for (size_t i = 0; i < form.txtFigure.size(); ++i) {
        QLineEdit* box = bind.textBox(form.txtFigure[i]);
        box->setMinimumWidth(140);
        box->setPlaceholderText(tr("the plan's assumption"));
        box->setToolTip(tr("Empty: the plan's assumption holds for these drives"));
        boxes->addRow(bind.label(form.lblFigure[i], box), box);
    }
    left->addLayout(boxes);
    auto* addRow = new QHBoxLayout;
    QPushButton* add = bind.button(form.cmdAdd);
    add->setToolTip(tr("Add a drive type of this size to the plan"));
    addRow->addStretch();
    addRow->addWidget(add);
    left->addLayout(addRow);
    left->addStretch();
    row->addLayout(left);

    auto* right = new QVBoxLayout;
    QListWidget* list = bind.listView(form.lstDriveTypes);
    list->setToolTip(tr("The drive types of this plan, in the order added"));
    list->setMinimumWidth(140);
    right->addWidget(bind.label(form.lblDriveTypes, list));
    right->addWidget(list, 1);
    QPushButton* remove = bind.button(form.cmdRemove);
    QPushButton* keep = bind.button(form.cmdSaveDefault);
    QPushButton* close = bind.button(form.cmdClose);
    remove->setToolTip(tr("Remove the selected drive type unless the plan uses it"));
    keep->setToolTip(tr("Start new plans with these drive types"));
    close->setToolTip(tr("Close the window"));
    for (QPushButton* button : {remove, keep, close})
        right->addWidget(button);
    row->addLayout(right);

    setCentralWidget(central);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(size, half);
}

void DriveTypesWindow::showModel(spindex::Form&) {
    binder().refresh();
}

} // namespace spindex::ui
