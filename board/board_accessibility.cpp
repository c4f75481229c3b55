#include "board/board_accessibility.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <array>
#include <vector>

#include "board/board_canvas.h"
#include "board/places.h"
#include "board/spoken.h"

namespace boardAccessibility {

namespace {

// A windowless part of the card area. It reads what it shows from the card area whenever it is
// asked, and lives as long as the card area's own interface, which makes and deletes it.
class Part : public QAccessibleInterface {
public:
    Part(BoardCanvas& canvas, QAccessibleInterface& parent) : canvas_(&canvas), parent_(parent) {}

    bool isValid() const override { return !canvas_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return canvas_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override { return &parent_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? name() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect local = localRect();
        return QRect(canvas_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = !canvas_->isVisible();
        return state;
    }

protected:
    virtual QString name() const = 0;
    virtual QRect localRect() const = 0;

    QPointer<BoardCanvas> canvas_;
    QAccessibleInterface& parent_;
};

// Registers a part with Qt, which gives it the id that assistive technology knows it by.
template <class P, class... Args>
P* made(Args&&... args) {
    auto* part = new P(std::forward<Args>(args)...);
    QAccessible::registerAccessibleInterface(part);
    return part;
}

void end(QAccessibleInterface* part) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(part));
}

class SelectedCardPart final : public Part {
public:
    using Part::Part;
    QAccessible::Role role() const override { return QAccessible::StaticText; }

private:
    QString name() const override { return boardPlaces::selectedCardName(canvas_->board()); }
    QRect localRect() const override { return canvas_->selectedCard().geometry(); }
};

// What each action did, spoken when it is shown again with the new text.
class NotificationPart final : public Part {
public:
    using Part::Part;
    QAccessible::Role role() const override { return QAccessible::Notification; }

private:
    QString name() const override { return canvas_->announcement(); }
    QRect localRect() const override { return {}; }
};

// Holds the notification: screen readers say a notification in a status bar without naming
// its role first.
class StatusPart final : public Part {
public:
    StatusPart(BoardCanvas& canvas, QAccessibleInterface& parent)
        : Part(canvas, parent), notification_(made<NotificationPart>(canvas, *this)) {}
    ~StatusPart() override { end(notification_); }

    QAccessibleInterface* notification() const { return notification_; }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? notification_ : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child == notification_ ? 0 : -1;
    }

private:
    QString name() const override { return {}; }
    QRect localRect() const override { return {}; }

    QAccessibleInterface* notification_;
};

class CardPart final : public Part {
public:
    CardPart(BoardCanvas& canvas, QAccessibleInterface& parent, int place, int card)
        : Part(canvas, parent), place_(place), card_(card) {}
    // Not a label: screen readers would read every card of the board as the card area's
    // context whenever the focus enters it.
    QAccessible::Role role() const override { return QAccessible::Graphic; }

private:
    bool exists() const { return card_ < spoken::cardCount(canvas_->board(), place_); }
    QString name() const override {
        return exists() ? spoken::cardName(canvas_->board(), place_, card_) : QString();
    }
    QRect localRect() const override {
        return exists() ? canvas_->cardRect(place_, card_) : QRect();
    }

    int place_;
    int card_;
};

class PlacePart final : public Part, public QAccessibleActionInterface {
public:
    PlacePart(BoardCanvas& canvas, QAccessibleInterface& parent, int place)
        : Part(canvas, parent), place_(place) {}
    ~PlacePart() override {
        for (QAccessibleInterface* card : cards_) {
            end(card);
        }
    }

    // The interface of a card; made on first use unless `make` is false.
    QAccessibleInterface* card(int card, bool make = true) {
        const auto index = static_cast<std::size_t>(card);
        if (index >= cards_.size() && make) {
            while (cards_.size() <= index) {
                cards_.push_back(
                    made<CardPart>(*canvas_, *this, place_, static_cast<int>(cards_.size())));
            }
        }
        return index < cards_.size() ? cards_[index] : nullptr;
    }
    // Ends the interfaces of a card and of those above it, once assistive technology was told
    // that they went.
    void dropCards(int from) {
        while (cards_.size() > static_cast<std::size_t>(from)) {
            end(cards_.back());
            cards_.pop_back();
        }
    }

    QAccessible::Role role() const override { return QAccessible::ListItem; }
    int childCount() const override { return spoken::cardCount(canvas_->board(), place_); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < childCount() ? const_cast<PlacePart*>(this)->card(index)
                                                  : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int index = 0; index < childCount(); ++index) {
            if (static_cast<std::size_t>(index) < cards_.size() &&
                cards_[static_cast<std::size_t>(index)] == child) {
                return index;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int index = 0; index < childCount(); ++index) {
            QAccessibleInterface* card = child(index);
            if (card->rect().contains(x, y)) {
                return card;
            }
        }
        return nullptr;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.focused = hasCursor() && canvas_->hasFocus();
        state.selectable = true;
        state.selected = boardPlaces::isSelected(canvas_->board(), place_);
        state.invisible = !canvas_->isVisible();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
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
    // The first binding says how to hear every card of the place.
    QStringList keyBindingsForAction(const QString& action) const override {
        return action == pressAction()
                   ? QStringList{BoardCanvas::kReadStackKeyName, QStringLiteral("Space")}
                   : QStringList{};
    }

private:
    bool hasCursor() const { return canvas_->cursor() == place_; }
    QString name() const override { return boardPlaces::placeName(canvas_->board(), place_); }
    QRect localRect() const override { return canvas_->placeRect(place_); }

    int place_;
    std::vector<QAccessibleInterface*> cards_;
};

// The twelve places, and nothing else, so that a place is read as one of twelve.
class PlaceListPart final : public Part {
public:
    PlaceListPart(BoardCanvas& canvas, QAccessibleInterface& parent) : Part(canvas, parent) {}
    ~PlaceListPart() override {
        for (PlacePart* place : places_) {
            if (place) {
                end(place);
            }
        }
    }

    PlacePart* place(int place) {
        PlacePart*& part = places_[static_cast<std::size_t>(place)];
        if (!part) {
            part = made<PlacePart>(*canvas_, *this, place);
        }
        return part;
    }

    QAccessible::Role role() const override { return QAccessible::List; }
    int childCount() const override { return boardPlaces::kCount; }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < boardPlaces::kCount
                   ? const_cast<PlaceListPart*>(this)->place(index)
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int index = 0; index < boardPlaces::kCount; ++index) {
            if (places_[static_cast<std::size_t>(index)] == child) {
                return index;
            }
        }
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        return canvas_->hasFocus() ? child(canvas_->cursor()) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const platform::Image* under = canvas_->imageAt(canvas_->mapFromGlobal(QPoint(x, y)));
        return under && under->key() != boardPlaces::kSelectedCardKey
                   ? child(boardPlaces::slotOf(under->key()).place)
                   : nullptr;
    }

private:
    QString name() const override { return QStringLiteral("Places"); }
    QRect localRect() const override { return canvas_->rect(); }

    std::array<PlacePart*, boardPlaces::kCount> places_{};
};

// The card area: its child widgets first, as Qt shows them, then the selected-card box, the
// places and the status bar with the notification.
class CanvasInterface final : public QAccessibleWidget {
public:
    explicit CanvasInterface(BoardCanvas& canvas)
        : QAccessibleWidget(&canvas, QAccessible::Pane),
          canvas_(canvas),
          parts_{made<SelectedCardPart>(canvas, *this), made<PlaceListPart>(canvas, *this),
                 made<StatusPart>(canvas, *this)} {}
    ~CanvasInterface() override {
        for (QAccessibleInterface* part : parts_) {
            end(part);
        }
    }

    // The interface the event is about; a card's only if it was made before, unless `make`.
    QAccessibleInterface* part(Target target, bool make) const {
        switch (target.kind) {
            case Target::Kind::SelectedCardBox:
                return parts_[0];
            case Target::Kind::Place:
                return places().place(target.place);
            case Target::Kind::Card:
                return places().place(target.place)->card(target.card, make);
            case Target::Kind::Notification:
                break;
        }
        return static_cast<StatusPart*>(parts_[2])->notification();
    }
    PlaceListPart& places() const { return *static_cast<PlaceListPart*>(parts_[1]); }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? QStringLiteral("Cards") : QAccessibleWidget::text(kind);
    }
    int childCount() const override { return widgetCount() + static_cast<int>(parts_.size()); }
    QAccessibleInterface* child(int index) const override {
        if (index >= widgetCount() && index < childCount()) {
            return parts_[static_cast<std::size_t>(index - widgetCount())];
        }
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t index = 0; index < parts_.size(); ++index) {
            if (parts_[index] == child) {
                return widgetCount() + static_cast<int>(index);
            }
        }
        return QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface* focusChild() const override {
        return canvas_.hasFocus() ? places().focusChild() : nullptr;
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
        return under->key() == boardPlaces::kSelectedCardKey ? parts_[0] : parts_[1];
    }

private:
    int widgetCount() const { return QAccessibleWidget::childCount(); }

    BoardCanvas& canvas_;
    std::array<QAccessibleInterface*, 3> parts_;
};

QAccessibleInterface* canvasFactory(const QString& className, QObject* object) {
    auto* canvas = qobject_cast<BoardCanvas*>(object);
    if (className == QLatin1String(BoardCanvas::staticMetaObject.className()) && canvas) {
        return new CanvasInterface(*canvas);
    }
    return nullptr;
}

}  // namespace

void install() {
    // Qt keeps a factory once, however often it is installed.
    QAccessible::installFactory(canvasFactory);
}

void notify(BoardCanvas& canvas, Target target, QAccessible::Event event) {
    // Without assistive technology nothing listens: the interfaces are not even made.
    if (!QAccessible::isActive()) {
        return;
    }
    auto* area = dynamic_cast<CanvasInterface*>(QAccessible::queryAccessibleInterface(&canvas));
    const bool gone = event == QAccessible::ObjectDestroyed;
    QAccessibleInterface* subject = area ? area->part(target, !gone) : nullptr;
    if (!subject) {
        return;
    }
    if (event == QAccessible::ObjectShow) {
        // Shown again: hidden first, so that each text is news.
        QAccessibleEvent hidden(subject, QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&hidden);
    }
    QAccessibleEvent change(subject, event);
    QAccessible::updateAccessibility(&change);
    if (gone && target.kind == Target::Kind::Card) {
        area->places().place(target.place)->dropCards(target.card);
    }
}

}  // namespace boardAccessibility
