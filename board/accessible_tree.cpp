#include "board/accessible_tree.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <array>
#include <optional>
#include <vector>

#include "board/card_area.h"
#include "board/words.h"

namespace accessibleTree {

namespace {

using announcing::Target;

// A windowless part of the card area. It reads what it shows from the card area whenever it is
// asked, and lives as long as the card area's own interface, which makes and deletes it.
class Part : public QAccessibleInterface {
public:
    Part(CardArea& area, QAccessibleInterface& parent) : area_(&area), parent_(parent) {}

    bool isValid() const override { return !area_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return area_->window()->windowHandle(); }
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
        return QRect(area_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = !area_->isVisible();
        return state;
    }

protected:
    // None, and nowhere on the screen, unless a part has them.
    virtual QString name() const { return {}; }
    virtual QRect localRect() const { return {}; }
    const BoardState& board() const { return area_->board(); }

    QPointer<CardArea> area_;
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

// A part whose children are parts of one kind, which it makes and ends.
template <class Child>
class ParentPart : public Part {
public:
    using Part::Part;
    ~ParentPart() override {
        for (Child* child : children_) {
            end(child);
        }
    }

    int childCount() const override { return static_cast<int>(children_.size()); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < childCount() ? children_[static_cast<std::size_t>(index)]
                                                  : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto found = std::find(children_.begin(), children_.end(), child);
        return found != children_.end() ? static_cast<int>(found - children_.begin()) : -1;
    }

protected:
    std::vector<Child*> children_;
};

class SelectedCardPart final : public Part {
public:
    using Part::Part;
    QAccessible::Role role() const override { return QAccessible::StaticText; }

private:
    QString name() const override { return words::selectedCardName(board()); }
    QRect localRect() const override { return area_->selectedCard().geometry(); }
};

// The text of the notification. Orca speaks a notification's name and its labels, but puts on
// braille and in its history of notifications only its labels: so the text is a label of its
// own, and the notification has no name. It is never showing, so that it is not read with the
// card area's other labels when the focus comes into it; under a status bar Orca reads it all
// the same.
class AnnouncementPart final : public Part {
public:
    using Part::Part;
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State state = Part::state();
        state.invisible = true;
        return state;
    }

private:
    QString name() const override { return area_->announcement(); }
};

// A part that holds one part and has no name.
template <class Child, QAccessible::Role kRole>
class HolderPart final : public ParentPart<Child> {
public:
    HolderPart(CardArea& area, QAccessibleInterface& parent) : ParentPart<Child>(area, parent) {
        this->children_.push_back(made<Child>(area, *this));
    }
    Child* held() const { return this->children_.front(); }
    QAccessible::Role role() const override { return kRole; }
};

// What each action did, spoken when it is shown again with the new text.
using NotificationPart = HolderPart<AnnouncementPart, QAccessible::Notification>;
// Holds the notification: screen readers say a notification in a status bar without naming
// its role first. The status bar is read without a name.
using StatusPart = HolderPart<NotificationPart, QAccessible::StatusBar>;

class CardPart final : public Part {
public:
    CardPart(CardArea& area, QAccessibleInterface& parent, int place, int card)
        : Part(area, parent), place_(place), card_(card) {}
    // Not a label: screen readers would read every card of the board as the card area's
    // context whenever the focus enters it.
    QAccessible::Role role() const override { return QAccessible::Graphic; }

private:
    bool exists() const { return card_ < boardPlaces::cardCount(board(), place_); }
    QString name() const override {
        return exists() ? words::cardName(board(), place_, card_) : QString();
    }
    QRect localRect() const override { return exists() ? area_->cardRect(place_, card_) : QRect(); }

    int place_;
    int card_;
};

// What a place can be asked to do: the card area's action of that name, and the key that does it.
struct Action {
    QString name;
    std::optional<KeyAction> key;
    void (CardArea::*act)(int place);
};

std::array<Action, 4> actions() {
    return {
        {{QAccessibleActionInterface::pressAction(), KeyAction::Press, &CardArea::press},
         {QAccessibleActionInterface::setFocusAction(), std::nullopt, &CardArea::focusPlace},
         {words::text(words::Text::ReadCardsAction), KeyAction::ReadStack, &CardArea::readStack},
         {words::text(words::Text::WhereAction), KeyAction::Where, &CardArea::where}}};
}

// Its children are its cards, whose interfaces are made when first asked for or told of.
class PlacePart final : public ParentPart<CardPart>, public QAccessibleActionInterface {
public:
    PlacePart(CardArea& area, QAccessibleInterface& parent, int place)
        : ParentPart(area, parent), place_(place) {}

    // The interface of a card; made on first use unless `make` is false.
    CardPart* card(int card, bool make = true) {
        const auto index = static_cast<std::size_t>(card);
        while (make && children_.size() <= index) {
            children_.push_back(
                made<CardPart>(*area_, *this, place_, static_cast<int>(children_.size())));
        }
        return index < children_.size() ? children_[index] : nullptr;
    }
    int cardsMade() const { return ParentPart::childCount(); }
    // Ends the interfaces of a card and of those above it, once assistive technology was told
    // that they went.
    void dropCards(int from) {
        while (children_.size() > static_cast<std::size_t>(from)) {
            end(children_.back());
            children_.pop_back();
        }
    }

    QAccessible::Role role() const override { return QAccessible::ListItem; }
    int childCount() const override { return boardPlaces::cardCount(board(), place_); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < childCount() ? const_cast<PlacePart*>(this)->card(index)
                                                  : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const int index = ParentPart::indexOfChild(child);
        return index < childCount() ? index : -1;
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
        state.focused = area_->cursorPlace() == place_ && area_->hasFocus();
        state.selectable = true;
        state.selected = boardPlaces::isSelected(board(), place_);
        state.invisible = !area_->isVisible();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override {
        QStringList names;
        for (const Action& action : actions()) {
            names << action.name;
        }
        return names;
    }
    void doAction(const QString& name) override {
        for (const Action& action : actions()) {
            if (action.name == name) {
                (*area_.*action.act)(place_);
            }
        }
    }
    // Qt joins the bindings with ';' into AT-SPI's "<mnemonic>;<sequence>;<accelerator>", which
    // Orca reads as "<sequence>;<accelerator>" when there are two: the key is told as the
    // accelerator, which braille shows after the place's name, "(Space)".
    QStringList keyBindingsForAction(const QString& name) const override {
        for (const Action& action : actions()) {
            if (action.name == name && action.key) {
                return QStringList{QString()} + keyBindings(*action.key);
            }
        }
        return {};
    }

private:
    QString name() const override { return words::placeName(board(), place_); }
    QRect localRect() const override { return area_->placeRect(place_); }

    int place_;
};

// The twelve places, and nothing else, so that a place is read as one of twelve.
class PlaceListPart final : public ParentPart<PlacePart> {
public:
    PlaceListPart(CardArea& area, QAccessibleInterface& parent) : ParentPart(area, parent) {
        for (int place = 0; place < boardPlaces::kCount; ++place) {
            children_.push_back(made<PlacePart>(area, *this, place));
        }
    }

    PlacePart* place(int place) const { return children_[static_cast<std::size_t>(place)]; }
    announcing::CardsKnown cardsKnown() const {
        announcing::CardsKnown known{};
        for (int place = 0; place < boardPlaces::kCount; ++place) {
            known[static_cast<std::size_t>(place)] = this->place(place)->cardsMade();
        }
        return known;
    }

    QAccessible::Role role() const override { return QAccessible::List; }
    QAccessibleInterface* focusChild() const override {
        return area_->hasFocus() ? place(area_->cursorPlace()) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const auto shown = area_->shownAt(area_->mapFromGlobal(QPoint(x, y)));
        return shown && shown->place ? place(*shown->place) : nullptr;
    }

private:
    QString name() const override { return words::text(words::Text::PlaceList); }
    QRect localRect() const override { return area_->rect(); }
};

// The card area: its child widgets first, as Qt shows them, then the selected-card box, the
// places and the status bar with the notification.
class AreaInterface final : public QAccessibleWidget, public AnnouncementSink {
public:
    explicit AreaInterface(CardArea& area)
        : QAccessibleWidget(&area, QAccessible::Pane),
          area_(area),
          box_(made<SelectedCardPart>(area, *this)),
          places_(made<PlaceListPart>(area, *this)),
          status_(made<StatusPart>(area, *this)) {}
    ~AreaInterface() override {
        for (QAccessibleInterface* part : parts()) {
            end(part);
        }
    }

    void send(const announcing::Event& event) override {
        const bool gone = event.type == QAccessible::ObjectDestroyed;
        QAccessibleInterface* subject = part(event.target, !gone);
        if (!subject) {
            return;
        }
        if (event.type == QAccessible::ObjectShow) {
            // Shown again: hidden first, so that each text is news.
            QAccessibleEvent hidden(subject, QAccessible::ObjectHide);
            QAccessible::updateAccessibility(&hidden);
        }
        QAccessibleEvent change(subject, event.type);
        QAccessible::updateAccessibility(&change);
        if (gone && event.target.kind == Target::Kind::Card) {
            places_->place(event.target.place)->dropCards(event.target.card);
        }
    }
    announcing::CardsKnown cardsKnown() const override { return places_->cardsKnown(); }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? words::text(words::Text::CardArea)
                                         : QAccessibleWidget::text(kind);
    }
    int childCount() const override { return widgetCount() + static_cast<int>(parts().size()); }
    QAccessibleInterface* child(int index) const override {
        if (index >= widgetCount() && index < childCount()) {
            return parts()[static_cast<std::size_t>(index - widgetCount())];
        }
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto all = parts();
        const auto part = std::find(all.begin(), all.end(), child);
        return part != all.end() ? widgetCount() + static_cast<int>(part - all.begin())
                                 : QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface* focusChild() const override {
        return area_.hasFocus() ? places_->focusChild() : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        // The child widgets lie above every card.
        for (int index = 0; index < widgetCount(); ++index) {
            QAccessibleInterface* widget = QAccessibleWidget::child(index);
            if (widget && widget->rect().contains(x, y)) {
                return widget;
            }
        }
        const auto shown = area_.shownAt(area_.mapFromGlobal(QPoint(x, y)));
        if (!shown) {
            return nullptr;
        }
        return shown->place ? static_cast<QAccessibleInterface*>(places_) : box_;
    }

private:
    // The interface the event is about; a card's only if it was made before, unless `make`.
    QAccessibleInterface* part(Target target, bool make) const {
        switch (target.kind) {
            case Target::Kind::SelectedCardBox:
                return box_;
            case Target::Kind::Place:
                return places_->place(target.place);
            case Target::Kind::Card:
                return places_->place(target.place)->card(target.card, make);
            case Target::Kind::Notification:
                break;
        }
        return status_->held();
    }
    int widgetCount() const { return QAccessibleWidget::childCount(); }
    std::array<QAccessibleInterface*, 3> parts() const { return {box_, places_, status_}; }

    CardArea& area_;
    SelectedCardPart* box_;
    PlaceListPart* places_;
    StatusPart* status_;
};

QAccessibleInterface* areaFactory(const QString& className, QObject* object) {
    auto* area = qobject_cast<CardArea*>(object);
    if (className == QLatin1String(CardArea::staticMetaObject.className()) && area) {
        return new AreaInterface(*area);
    }
    return nullptr;
}

}  // namespace

void install() {
    // Qt keeps a factory once, however often it is installed.
    QAccessible::installFactory(areaFactory);
}

}  // namespace accessibleTree
