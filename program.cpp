#include "program.h"

#include <QGuiApplication>
#include <QIcon>
#include <QtAlgorithms>

#include "board/accessible_tree.h"
#include "board/words.h"
#include "resources/pictures.h"

Program::Program(RandomSource& random)
    : pictures(resources::cardPicturePath, resources::doubleSizePath) {
    accessibleTree::install();
    boardWindow_ = std::make_unique<BoardWindow>(state, random, pictures);
    BoardWindow& board = *boardWindow_;
    auto showOn = [this, &board](auto signal, InfoWindowId id) {
        QObject::connect(&board, signal, &board, [this, id] { show(id); });
    };
    showOn(&BoardWindow::rulesRequested, InfoWindowId::Rules);
    showOn(&BoardWindow::aboutKetterlineRequested, InfoWindowId::AboutKetterline);
    showOn(&BoardWindow::aboutDravonneRequested, InfoWindowId::AboutDravonne);
    showOn(&BoardWindow::aboutAuthorRequested, InfoWindowId::AboutAuthor);
    showOn(&BoardWindow::licenseRequested, InfoWindowId::License);
    QObject::connect(&board, &BoardWindow::exitRequested, &board, [this] { end(); });
}

Program::~Program() {
    qDeleteAll(windows_);
}

void Program::start() {
    QGuiApplication::setWindowIcon(QIcon(resources::iconPath()));
    for (InfoWindowId id :
         {InfoWindowId::AboutKetterline, InfoWindowId::AboutAuthor, InfoWindowId::AboutDravonne,
          InfoWindowId::License, InfoWindowId::Rules}) {
        window(id);
    }
    boardWindow_->show();
    for (InfoWindowId id : {InfoWindowId::Timers, InfoWindowId::GameOver, InfoWindowId::Win}) {
        window(id);
    }
}

InfoWindow& Program::window(InfoWindowId id) {
    QPointer<InfoWindow>& slot = windows_[static_cast<std::size_t>(id)];
    if (!slot) {
        MenuPath aboutDravonne;
        for (const words::Text item : words::kAboutDravonnePath) {
            aboutDravonne.emplace_back(words::text(item), words::english(item));
        }
        slot = makeInfoWindow(id, aboutDravonne).release();
        slot->setAttribute(Qt::WA_DeleteOnClose);
    }
    return *slot;
}

void Program::show(InfoWindowId id) {
    if (ended_) {
        return;
    }
    InfoWindow& shown = window(id);
    shown.show();
    shown.raise();
    shown.activateWindow();
}

void Program::end() {
    ended_ = true;
    // exit() rather than quit(): quit() would first ask every window to close.
    QCoreApplication::exit(0);
    boardWindow_->hide();
    for (const QPointer<InfoWindow>& window : windows_) {
        if (window) {
            window->hide();
        }
    }
}
