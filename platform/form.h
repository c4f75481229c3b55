#pragma once

#include <QFlags>
#include <QMainWindow>
#include <QSize>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace platform {

enum class FormFrame {
    Resizable,        // the window system's normal sizeable frame
    FixedThinBorder,  // the user cannot resize the window
};

enum class TitleButton {
    Minimize = 0x1,
    Maximize = 0x2,
    Close = 0x4,
};
Q_DECLARE_FLAGS(TitleButtons, TitleButton)

class Forms;

// A top-level window, reached by name through Forms. Every window has a title bar with a
// system menu; it may have a menu bar, below which lies the client area (the central
// widget). The window has no resize handler: when the user resizes it, the controls keep
// their positions and sizes.
class Form : public QMainWindow {
    Q_OBJECT

public:
    // The window title starts as the name; a form with a different caption sets its own.
    Form(QString name, QSize clientSizePixels, FormFrame frame, TitleButtons buttons);
    ~Form() override;

    const QString& name() const { return name_; }
    QSize clientSize() const { return clientSize_; }

    // The client area: a plain QWidget unless the form put its own in place (for instance
    // an ImageCanvas through setCentralWidget). Child controls go here, in client pixels.
    QWidget* client() const { return centralWidget(); }

    // Runs once, right after the window is made and while it is still hidden.
    virtual void Form_Load() {}
    // Runs when the user closes the window through its close box or system menu (or the
    // program calls close()), before the window is destroyed. Not run by Forms::endProgram.
    virtual void Form_Unload() {}
    // Runs when Forms destroys a window after its Form_Unload, right before deleting it.
    virtual void Form_Terminate() {}

    // Gives the client area exactly clientSize() below the menu bar, if any, the first time
    // the window is shown.
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    friend class Forms;
    void fitToClientSize();

    QString name_;
    QSize clientSize_;
    FormFrame frame_;
    Forms* forms_ = nullptr;
    bool sized_ = false;
};

// The program's windows: one program-wide instance per name, created hidden on first
// reference. Forms owns them; each is top-level, modeless and without an owner window.
// The program icon is QApplication::setWindowIcon's business: every window shows it.
class Forms {
public:
    using Factory = std::function<std::unique_ptr<Form>(Forms&)>;

    Forms();
    // Destroys every remaining window without running its Form_Unload.
    ~Forms();
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    // The factory builds the window with its design-time controls; the name it is given
    // must match. Registering a name twice replaces the factory for later creations.
    void registerForm(const QString& name, Factory factory);

    // The window by name. If it does not exist, creates it hidden and runs its Form_Load
    // before returning. An unregistered name, or a T the window is not, is a fault of the
    // program (qFatal).
    Form& get(const QString& name);
    template <class T>
    T& get(const QString& name) {
        T* form = dynamic_cast<T*>(&get(name));
        if (form == nullptr) {
            wrongType(name);
        }
        return *form;
    }

    // Creates the window hidden if it does not exist; no effect otherwise.
    void load(const QString& name) { get(name); }
    // Makes the window visible, modeless and in front, and returns at once; loads it first
    // if needed. Showing a visible window keeps that one window.
    void show(const QString& name);
    // Makes the window invisible; it and its state remain. Loads it first if needed.
    void hide(const QString& name);
    bool isLoaded(const QString& name) const;

    // Ends the program at once: leaves the event loop and takes every window off the
    // screen; no window's Form_Unload runs, and the caller should return right away. From
    // then on show() does nothing. The windows are destroyed with Forms.
    void endProgram();
    bool ended() const { return ended_; }

private:
    friend class Form;
    // The window was closed through its close box: unload it and forget it.
    void closed(Form& form);
    void destroyClosed();
    [[noreturn]] static void wrongType(const QString& name);

    std::map<QString, Factory> factories_;
    std::map<QString, std::unique_ptr<Form>> forms_;
    // Closed windows wait here until control is back in the event loop, since each is
    // still inside its own close event when it is forgotten.
    std::vector<std::unique_ptr<Form>> closedForms_;
    // Receiver of the queued clean-up; goes away with Forms, cancelling it.
    std::unique_ptr<QObject> cleanupContext_;
    bool ended_ = false;
};

}  // namespace platform

Q_DECLARE_OPERATORS_FOR_FLAGS(platform::TitleButtons)
