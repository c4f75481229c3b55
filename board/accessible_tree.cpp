#include "board/accessible_tree.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <algorithm>
#include <array>
#include <functional>
#include <vector>

#include "board/card_area.h"
#include "board/words.h"

namespace accessibleTree {

namespace {

using announcing::Target;

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

// A windowless part of the card area. It reads what it shows from the card area whenever it is
// asked, and lives as long as the card area's own interface, which makes and deletes it; the
// children it holds end with it.
class Part : public QAccessibleInterface {
public:
    // What a part shows: no name, and nowhere on the screen, unless it is given them.
    struct Looks {
        QAccessible::Role role;
        std::function<QString(const CardArea&)> name = {};
        std::function<QRect(const CardArea&)> rect = {};  // in canvas pixels
        bool hidden = false;  // never showing, even while the card area shows
    };

    Part(CardArea& area, QAccessibleInterface& parent, Looks looks)
        : area_(&area), parent_(parent), looks_(std::move(looks)) {}
    ~Part() override {
        for (Part* child : children_) {
            end(child);
        }
    }

    // Makes a part the last of this one's children.
    Part* add(Looks looks) {
        children_.push_back(made<Part>(*area_, *this, std::move(looks)));
        return children_.back();
    }

    bool isValid() const override { return !area_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return area_->window()->windowHandle(); }
    QAccessible::Role role() const override { return looks_.role; }
    QAccessibleInterface* parent() const override { return &parent_; }
    int childCount() const override { return static_cast<int>(children_.size()); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < childCount() ? children_[static_cast<std::size_t>(index)]
                                                  : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto found = std::find(children_.begin(), children_.end(), child);
        return found != children_.end() ? static_cast<int>(found - children_.begin()) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int index = 0; index < childCount(); ++index) {
            if (QAccessibleInterface* part = child(index); part->rect().contains(x, y)) {
                return part;
            }
        }
        return nullptr;
    }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name && looks_.name ? looks_.name(*area_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect local = looks_.rect ? looks_.rect(*area_) : QRect();
        return QRect(area_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = looks_.hidden || !area_->isVisible();
        return state;
    }

protected:
    QPointer<CardArea> area_;
    QAccessibleInterface& parent_;
    Looks looks_;
    std::vector<Part*> children_;
};

// A card of a place, counted from the bottom, while the place holds it. Not a label: screen
// readers would read every card of the board as the card area's context whenever the focus
// enters it.
Part::Looks cardLooks(int place, int card) {
    auto exists = [place, card](const CardArea& cards) {
        return card < boardPlaces::cardCount(cards.board(), place);
    };
    return {QAccessible::Graphic,
            [=](const CardArea& cards) {
                return exists(cards) ? words::cardName(cards.board(), place, card) : QString();
            },
            [=](const CardArea& cards) {
                return exists(cards) ? cards.cardRect(place, card) : QRect();
            }};
}

// What a place can be asked to do: the card area's action of that name.
struct Action {
    QString name;
    CardAction does;
};

std::array<Action, 4> actions() {
    return {{{QAccessibleActionInterface::pressAction(), CardAction::Press},
             {QAccessibleActionInterface::setFocusAction(), CardAction::Focus},
             {words::text(words::Text::ReadCardsAction), CardAction::ReadStack},
             {words::text(words::Text::WhereAction), CardAction::Where}}};
}

// Its children are its cards, whose interfaces are made when first asked for or told of.
class PlacePart final : public Part, public QAccessibleActionInterface {
public:
    PlacePart(CardArea& area, QAccessibleInterface& parent, int place)
        : Part(area, parent,
               {QAccessible::ListItem,
                [place](const CardArea& cards) { return words::placeName(cards.board(), place); },
                [place](const CardArea& cards) { return cards.placeRect(place); }}),
          place_(place) {}

    // The interface of a card; made on first use unless `make` is false.
    Part* card(int card, bool make = true) {
        while (make && cardsMade() <= card) {
            add(cardLooks(place_, cardsMade()));
        }
        return card < cardsMade() ? children_[static_cast<std::size_t>(card)] : nullptr;
    }
    int cardsMade() const { return Part::childCount(); }
    // Ends the interfaces of a card and of those above it, once assistive technology was told
    // that they went.
    void dropCards(int from) {
        while (cardsMade() > from) {
            end(children_.back());
            children_.pop_back();
        }
    }

    int childCount() const override { return boardPlaces::cardCount(area_->board(), place_); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < childCount() ? const_cast<PlacePart*>(this)->card(index)
                                                  : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const int index = Part::indexOfChild(child);
        return index < childCount() ? index : -1;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.focused = area_->cursorPlace() == place_ && area_->hasFocus();
        state.selectable = true;
        state.selected = boardPlaces::isSelected(area_->board(), place_);
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
                area_->act(action.does, place_);
            }
        }
    }
    // Qt joins the bindings with ';' into AT-SPI's "<mnemonic>;<sequence>;<accelerator>", which
    // Orca reads as "<sequence>;<accelerator>" when there are two: the key is told as the
    // accelerator, which braille shows after the place's name, "(Space)".
    QStringList keyBindingsForAction(const QString& name) const override {
        for (const Action& action : actions()) {
            if (const QStringList keys = keyBindings(action.does);
                action.name == name && !keys.isEmpty()) {
                return QStringList{QString()} + keys;
            }
        }
        return {};
    }

private:
    int place_;
};

// The twelve places, and nothing else, so that a place is read as one of twelve.
class PlaceListPart final : public Part {
public:
    PlaceListPart(CardArea& area, QAccessibleInterface& parent)
        : Part(area, parent,
               {QAccessible::List,
                [](const CardArea&) { return words::text(words::Text::PlaceList); },
                [](const CardArea& cards) { return cards.rect(); }}) {
        for (int place = 0; place < boardPlaces::kCount; ++place) {
            children_.push_back(made<PlacePart>(area, *this, place));
        }
    }

    PlacePart* place(int place) const {
        return static_cast<PlacePart*>(children_[static_cast<std::size_t>(place)]);
    }
    announcing::CardsKnown cardsKnown() const {
        announcing::CardsKnown known{};
        for (int place = 0; place < boardPlaces::kCount; ++place) {
            known[static_cast<std::size_t>(place)] = this->place(place)->cardsMade();
        }
        return known;
    }

    QAccessibleInterface* focusChild() const override {
        return area_->hasFocus() ? place(area_->cursorPlace()) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const auto shown = area_->shownAt(area_->mapFromGlobal(QPoint(x, y)));
        return shown && shown->place ? place(*shown->place) : nullptr;
    }
};

// The card area: its child widgets first, as Qt shows them, then the selected-card box, the
// places and the status bar with the notification.
class AreaInterface final : public QAccessibleWidget, public AnnouncementSink {
public:
    explicit AreaInterface(CardArea& area)
        : QAccessibleWidget(&area, QAccessible::Pane),
          area_(area),
          box_(made<Part>(
              area, *this,
              Part::Looks{
                  QAccessible::StaticText,
                  [](const CardArea& cards) { return words::selectedCardName(cards.board()); },
                  [](const CardArea& cards) { return cards.selectedCard().geometry(); }})),
          places_(made<PlaceListPart>(area, *this)),
          // Holds the notification: screen readers say a notification in a status bar without
          // naming its role first. The status bar is read without a name.
          status_(made<Part>(area, *this, Part::Looks{QAccessible::StatusBar})),
          // What each action did, spoken when it is shown again with the new text.
          notification_(status_->add({QAccessible::Notification})) {
        // The text of the notification. Orca speaks a notification's name and its labels, but
        // puts on braille and in its history of notifications only its labels: so the text is a
        // label of its own, and the notification has no name. It is never showing, so that it
        // is not read with the card area's other labels when the focus comes into it; under a
        // status bar Orca reads it all the same.
        notification_->add({.role = QAccessible::StaticText,
                            .name = [](const CardArea& cards) { return cards.announcement(); },
                            .hidden = true});
    }
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
        return notification_;
    }
    int widgetCount() const { return QAccessibleWidget::childCount(); }
    std::array<QAccessibleInterface*, 3> parts() const { return {box_, places_, status_}; }

    CardArea& area_;
    Part* box_;
    PlaceListPart* places_;
    Part* status_;
    Part* notification_;
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
