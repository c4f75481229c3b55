#include "board/board_accessibility.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <array>

#include "board/board_canvas.h"

namespace boardAccessibility {

namespace {

// The windowless children follow the card area's child widgets: the selected-card box, then
// the places in their order.
constexpr int kEntryCount = boardPlaces::kCount + 1;

// The place (or kSelectedCardBox) of the windowless child `index` counted from the first of
// them, and back.
int placeOfEntry(int index) {
    return index - 1;
}
int entryOfPlace(int place) {
    return place + 1;
}

// One windowless child of the card area: the selected-card box or a place.
class EntryInterface final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    EntryInterface(BoardCanvas& canvas, int place) : canvas_(&canvas), place_(place) {}

    bool isValid() const override { return !canvas_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return canvas_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(canvas_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text kind) const override {
        const BoardState& board = canvas_->board();
        if (kind == QAccessible::Name) {
            return isPlace() ? boardPlaces::placeName(board, place_)
                             : boardPlaces::selectedCardName(board);
        }
        if (kind == QAccessible::Description && hasCursor()) {
            return canvas_->lastOutcome();
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        const QRect local =
            isPlace() ? canvas_->placeRect(place_) : canvas_->selectedCard().geometry();
        return QRect(canvas_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override {
        return isPlace() ? QAccessible::ListItem : QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (isPlace()) {
            state.focusable = true;
            state.focused = hasCursor() && canvas_->hasFocus();
            state.selectable = true;
            state.selected = boardPlaces::isSelected(canvas_->board(), place_);
        } else {
            state.readOnly = true;
        }
        state.invisible = !canvas_->isVisible();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface && isPlace()
                   ? static_cast<QAccessibleActionInterface*>(this)
                   : nullptr;
    }
    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            canvas_->pressPlace(place_);
        } else if (action == setFocusAction()) {
            canvas_->moveCursor(place_);
            canvas_->setFocus(Qt::OtherFocusReason);
        }
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        return action == pressAction() ? QStringList{QStringLiteral("Space")} : QStringList{};
    }

private:
    bool isPlace() const { return place_ != kSelectedCardBox; }
    bool hasCursor() const { return isPlace() && canvas_->cursor() == place_; }

    QPointer<BoardCanvas> canvas_;
    int place_;
};

// The card area: its child widgets first, as Qt shows them, then the entries.
class CanvasInterface final : public QAccessibleWidget {
public:
    explicit CanvasInterface(BoardCanvas& canvas)
        : QAccessibleWidget(&canvas, QAccessible::Pane), canvas_(canvas) {}
    ~CanvasInterface() override {
        for (QAccessibleInterface* entry : entries_) {
            if (entry) {
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(entry));
            }
        }
    }

    // The interface of a place, or of the selected-card box.
    QAccessibleInterface* entry(int place) const {
        QAccessibleInterface*& made = entries_[static_cast<std::size_t>(entryOfPlace(place))];
        if (!made) {
            made = new EntryInterface(canvas_, place);
            QAccessible::registerAccessibleInterface(made);
        }
        return made;
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? QStringLiteral("Cards") : QAccessibleWidget::text(kind);
    }
    int childCount() const override { return widgetCount() + kEntryCount; }
    QAccessibleInterface* child(int index) const override {
        if (index >= widgetCount() && index < childCount()) {
            return entry(placeOfEntry(index - widgetCount()));
        }
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int index = 0; index < kEntryCount; ++index) {
            if (entries_[static_cast<std::size_t>(index)] == child) {
                return widgetCount() + index;
            }
        }
        return QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface* focusChild() const override {
        return canvas_.hasFocus() ? entry(canvas_.cursor()) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        // The child widgets lie above every card.
        for (int index = 0; index < widgetCount(); ++index) {
            QAccessibleInterface* widget = QAccessibleWidget::child(index);
            if (widget && widget->rect().contains(x, y)) {
                return widget;
            }
        }
        const platform::Image* under = canvas_.imageAt(canvas_.mapFromGlobal(QPoint(x, y)));
        if (!under) {
            return nullptr;
        }
        return entry(under->key() == boardPlaces::kSelectedCardKey
                         ? kSelectedCardBox
                         : boardPlaces::slotOf(under->key()).place);
    }

private:
    int widgetCount() const { return QAccessibleWidget::childCount(); }

    BoardCanvas& canvas_;
    mutable std::array<QAccessibleInterface*, kEntryCount> entries_{};
};

QAccessibleInterface* canvasFactory(const QString& className, QObject* object) {
    auto* canvas = qobject_cast<BoardCanvas*>(object);
    if (className == QLatin1String(BoardCanvas::staticMetaObject.className()) && canvas) {
        return new CanvasInterface(*canvas);
    }
    return nullptr;
}

QAccessibleInterface* entryOf(BoardCanvas& canvas, int place) {
    auto* area = dynamic_cast<CanvasInterface*>(QAccessible::queryAccessibleInterface(&canvas));
    return area ? area->entry(place) : nullptr;
}

}  // namespace

void install() {
    // Qt keeps a factory once, however often it is installed.
    QAccessible::installFactory(canvasFactory);
}

void notify(BoardCanvas& canvas, int place, QAccessible::Event event) {
    // Without assistive technology nothing listens: the interfaces are not even made.
    if (!QAccessible::isActive()) {
        return;
    }
    if (QAccessibleInterface* target = entryOf(canvas, place)) {
        QAccessibleEvent change(target, event);
        QAccessible::updateAccessibility(&change);
    }
}

void announce([[maybe_unused]] BoardCanvas& canvas, [[maybe_unused]] int place,
              [[maybe_unused]] const QString& message) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (!QAccessible::isActive()) {
        return;
    }
    if (QAccessibleInterface* target = entryOf(canvas, place)) {
        QAccessibleAnnouncementEvent announcement(target, message);
        QAccessible::updateAccessibility(&announcement);
    }
#endif
}

}  // namespace boardAccessibility
