#include "platform/form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMetaObject>
#include <QtDebug>
#include <utility>

#include "platform/controls.h"

namespace platform {

namespace {

Qt::WindowFlags flagsFor(FormFrame frame, TitleButtons buttons) {
    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (buttons.testFlag(TitleButton::Minimize)) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (buttons.testFlag(TitleButton::Maximize)) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    if (buttons.testFlag(TitleButton::Close)) {
        flags |= Qt::WindowCloseButtonHint;
    }
    if (frame == FormFrame::FixedThinBorder) {
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    }
    return flags;
}

}  // namespace

Form::Form(QString name, QSize clientSizePixels, FormFrame frame, TitleButtons buttons)
    : QMainWindow(nullptr, flagsFor(frame, buttons)),
      name_(std::move(name)),
      clientSize_(clientSizePixels),
      frame_(frame) {
    setObjectName(name_);
    setWindowTitle(name_);
    // Forms decides when the program ends, not the closing of the last visible window.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* client = new QWidget;
    client->resize(clientSize_);
    setCentralWidget(client);
    resize(clientSize_);
}

Form::~Form() = default;

void Form::setVisible(bool visible) {
    if (visible && !sized_) {
        sized_ = true;
        fitToClientSize();
        fitLabels(*this, clientSize_);
    }
    QMainWindow::setVisible(visible);
}

void Form::fitToClientSize() {
    int menuHeight = 0;
    if (QWidget* menu = menuWidget(); menu != nullptr && !menu->isHidden()) {
        menu->ensurePolished();
        menuHeight = menu->hasHeightForWidth() ? menu->heightForWidth(clientSize_.width())
                                               : menu->sizeHint().height();
    }
    const QSize size(clientSize_.width(), clientSize_.height() + menuHeight);
    if (frame_ == FormFrame::FixedThinBorder) {
        setFixedSize(size);
    } else {
        resize(size);
    }
}

void Form::closeEvent(QCloseEvent* event) {
    event->accept();
    if (forms_ != nullptr) {
        forms_->closed(*this);
    } else {
        Form_Unload();
    }
}

Forms::Forms() : cleanupContext_(std::make_unique<QObject>()) {}

Forms::~Forms() {
    // Cancel a pending clean-up before the windows it refers to go.
    cleanupContext_.reset();
    closedForms_.clear();
    forms_.clear();
}

void Forms::registerForm(const QString& name, Factory factory) {
    factories_[name] = std::move(factory);
}

Form& Forms::get(const QString& name) {
    if (const auto found = forms_.find(name); found != forms_.end()) {
        return *found->second;
    }
    const auto factory = factories_.find(name);
    if (factory == factories_.end() || !factory->second) {
        qFatal("No window named %s", qPrintable(name));
    }
    std::unique_ptr<Form> made = factory->second(*this);
    if (made == nullptr) {
        qFatal("The window %s could not be made", qPrintable(name));
    }
    Q_ASSERT_X(made->name() == name, "Forms::get", "a factory made a window of another name");
    made->forms_ = this;
    Form& form = *made;
    // Known before its Form_Load runs, so that Form_Load may refer to its own window.
    forms_.emplace(name, std::move(made));
    form.Form_Load();
    return form;
}

void Forms::show(const QString& name) {
    if (ended_) {
        return;
    }
    Form& form = get(name);
    form.show();
    form.raise();
    form.activateWindow();
}

void Forms::hide(const QString& name) {
    get(name).hide();
}

bool Forms::isLoaded(const QString& name) const {
    return forms_.find(name) != forms_.end();
}

void Forms::endProgram() {
    ended_ = true;
    // exit() rather than quit(): quit() would first ask every window to close, which
    // would run their Form_Unload.
    QCoreApplication::exit(0);
    for (const auto& [name, form] : forms_) {
        form->hide();
    }
}

void Forms::closed(Form& form) {
    if (ended_) {
        return;
    }
    form.Form_Unload();
    if (ended_) {
        return;
    }
    const auto found = forms_.find(form.name());
    if (found == forms_.end() || found->second.get() != &form) {
        return;
    }
    closedForms_.push_back(std::move(found->second));
    forms_.erase(found);
    QMetaObject::invokeMethod(
        cleanupContext_.get(), [this] { destroyClosed(); }, Qt::QueuedConnection);
    // As with any program built of windows, closing the last one ends it.
    if (forms_.empty()) {
        endProgram();
    }
}

void Forms::destroyClosed() {
    std::vector<std::unique_ptr<Form>> closed = std::exchange(closedForms_, {});
    for (const std::unique_ptr<Form>& form : closed) {
        form->Form_Terminate();
    }
}

void Forms::wrongType(const QString& name) {
    qFatal("The window %s is not of the requested type", qPrintable(name));
}

}  // namespace platform
