#pragma once

// "Graphic Display": the controller, its channels and the storage cages with one icon per slot.
// The model decides everything shown (which icon holds which picture, what is visible, where each
// control sits, the cage heights, which cages cover their channel, which set a slot's drive belongs
// to); this window draws it at the model's twips positions.
//
// Stacking, bottom to top: the drawing area (controller box, channel lines, connectors), the
// labels, the slot icons, the cages. A cage in use is only a border and lets the mouse through to
// its icons; an opaque cage hides and shields the icons of an unused channel.
//
// Dragging one slot icon onto another swaps their pictures in the model. The drag carries this
// window's own mime type with the window's serial and the source slot, so a drop from another
// window (or another run of the graphic) is refused.

#include <QIcon>
#include <QMimeData>
#include <QPoint>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "drivepictures.h"
#include "formwindow.h"
#include "outputs/outputforms.h"

class QLabel;

namespace spindex::ui {

class GraphicWindow;

// One slot icon imgLgcDrv(k): shows its picture, starts drags and takes drops.
class SlotIcon : public QWidget {
    Q_OBJECT
    // The icon file the model gives the slot; empty for the grey design-time drive.
    Q_PROPERTY(QString picture READ picture)
    // The picture is drawn in code because its file could not be read.
    Q_PROPERTY(bool fallback READ fallback)
public:
    SlotIcon(GraphicWindow& window, int index, QWidget* parent);

    int index() const { return m_index; }
    QString picture() const { return m_picture; }
    bool fallback() const { return m_fallback; }
    void setPicture(const QString& file, const QIcon* icon);
    // The image drawn for the slot at this device pixel ratio; null when drawn in code.
    QPixmap shownImage(qreal devicePixelRatio) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    GraphicWindow& m_window;
    const int m_index;
    QString m_picture;
    QIcon m_icon; // null when drawn in code
    bool m_fallback = false;
    std::optional<QPoint> m_pressedAt;
};

class GraphicWindow : public FormWindow {
    Q_OBJECT
public:
    GraphicWindow(WindowActions& actions, spindex::GraphicForm& form, QWidget* owner = nullptr);

    void print(QPainter& painter) override;

    static constexpr const char* SlotMimeType = "application/x-spindex-slot";
    // What a drag of slot k out of this window carries.
    std::unique_ptr<QMimeData> slotMimeData(int index) const;
    // The source slot of a drag, when it comes from a slot icon of this window.
    std::optional<int> sourceSlot(const QMimeData* data) const;
    // The user dropped slot source on slot target.
    void dropSlot(int source, int target);

    SlotIcon* slotIcon(int index) const { return m_icons.at(static_cast<size_t>(index)); }

protected:
    void showModel(spindex::Form& form) override;

private:
    friend class CageArea;
    spindex::GraphicForm* graphic() const { return static_cast<spindex::GraphicForm*>(form()); }
    void paintArea(QPainter& painter);

    const int m_serial;
    QWidget* m_area = nullptr;
    std::array<SlotIcon*, spindex::Channels * spindex::GraphicForm::SlotsPerChannel> m_icons{};
    std::array<QWidget*, spindex::Channels> m_cages{};
    DrivePictures m_pictures;
};

} // namespace spindex::ui
