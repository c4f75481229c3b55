#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <map>

#include "platform/form.h"

namespace {

using platform::Form;
using platform::FormFrame;
using platform::Forms;
using platform::TitleButton;

// What the windows' handlers did, by window name.
struct Events {
    std::map<QString, int> loads;
    std::map<QString, int> unloads;
    std::map<QString, int> terminates;
};

class TestForm : public Form {
public:
    TestForm(const QString& name, Events& events, Forms& forms, bool endsProgramOnUnload)
        : Form(name, {120, 80}, FormFrame::Resizable, TitleButton::Minimize | TitleButton::Close),
          events_(events),
          forms_(forms),
          endsProgramOnUnload_(endsProgramOnUnload) {}

    void Form_Load() override { ++events_.loads[name()]; }
    void Form_Unload() override {
        ++events_.unloads[name()];
        if (endsProgramOnUnload_) {
            forms_.endProgram();
        }
    }
    void Form_Terminate() override { ++events_.terminates[name()]; }

    int state = 0;

private:
    Events& events_;
    Forms& forms_;
    bool endsProgramOnUnload_;
};

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const QString name : {"Board", "Rules", "About"}) {
            forms_.registerForm(name, [this, name](Forms& forms) {
                return std::make_unique<TestForm>(name, events_, forms, name == "Board");
            });
        }
    }

    int windowsNamed(const QString& name) const {
        int count = 0;
        for (const QWidget* widget : QApplication::topLevelWidgets()) {
            count += widget->objectName() == name ? 1 : 0;
        }
        return count;
    }

    Events events_;
    Forms forms_;
};

TEST_F(FormsTest, FirstReferenceCreatesTheWindowHiddenAndLoadsItOnce) {
    EXPECT_FALSE(forms_.isLoaded("Rules"));
    Form& rules = forms_.get("Rules");
    EXPECT_TRUE(forms_.isLoaded("Rules"));
    EXPECT_FALSE(rules.isVisible());
    EXPECT_EQ(&forms_.get("Rules"), &rules);
    forms_.load("Rules");
    EXPECT_EQ(events_.loads["Rules"], 1);
    EXPECT_EQ(rules.parentWidget(), nullptr);
}

TEST_F(FormsTest, HidingKeepsTheWindowAndItsState) {
    forms_.show("Rules");
    forms_.get<TestForm>("Rules").state = 7;
    forms_.hide("Rules");
    EXPECT_FALSE(forms_.get("Rules").isVisible());
    forms_.show("Rules");
    EXPECT_EQ(forms_.get<TestForm>("Rules").state, 7);
    EXPECT_EQ(events_.loads["Rules"], 1);
}

TEST_F(FormsTest, ShowingTwiceLeavesOneVisibleWindow) {
    forms_.show("About");
    forms_.show("About");
    EXPECT_TRUE(forms_.get("About").isVisible());
    EXPECT_EQ(windowsNamed("About"), 1);
    EXPECT_FALSE(forms_.get("About").isModal());
}

TEST_F(FormsTest, CloseBoxUnloadsAndDestroysTheWindowAndTheNextReferenceLoadsItAfresh) {
    forms_.load("Board");
    forms_.show("Rules");
    forms_.get<TestForm>("Rules").state = 7;
    QPointer<Form> closed = &forms_.get("Rules");
    closed->close();
    EXPECT_EQ(events_.unloads["Rules"], 1);
    EXPECT_FALSE(forms_.isLoaded("Rules"));
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(closed.isNull());
    EXPECT_EQ(events_.terminates["Rules"], 1);

    forms_.show("Rules");
    EXPECT_EQ(events_.loads["Rules"], 2);
    EXPECT_EQ(forms_.get<TestForm>("Rules").state, 0);
    EXPECT_FALSE(forms_.ended());
}

TEST_F(FormsTest, EndingTheProgramFromUnloadSkipsTheOtherWindowsUnload) {
    forms_.show("Board");
    forms_.show("Rules");
    forms_.load("About");
    forms_.get("Board").close();
    EXPECT_TRUE(forms_.ended());
    EXPECT_EQ(events_.unloads["Board"], 1);
    EXPECT_EQ(events_.unloads.count("Rules") + events_.unloads.count("About"), 0u);
    EXPECT_FALSE(forms_.get("Rules").isVisible());
    forms_.show("About");
    EXPECT_FALSE(forms_.get("About").isVisible());
}

struct ClientSizeCase {
    const char* name;
    QSize client;
    FormFrame frame;
    bool menuBar;
};

class ClientSizeTest : public ::testing::TestWithParam<ClientSizeCase> {};

TEST_P(ClientSizeTest, ClientAreaIsExactlyAsAsked) {
    const ClientSizeCase& c = GetParam();
    Form form("Sized", c.client, c.frame, TitleButton::Close);
    if (c.menuBar) {
        form.menuBar()->addMenu("&File")->addAction("&Exit");
        form.menuBar()->addMenu("&Info");
    }
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.client()->size(), c.client);
    EXPECT_EQ(form.client()->y(), c.menuBar ? form.menuBar()->height() : 0);
    EXPECT_GT(form.client()->y(), c.menuBar ? 0 : -1);
}

const ClientSizeCase kClientSizeCases[] = {
    {"BoardWithMenuBar", {1016, 525}, FormFrame::Resizable, true},
    {"ResizableWithoutMenuBar", {428, 221}, FormFrame::Resizable, false},
    {"FixedThinBorder", {170, 75}, FormFrame::FixedThinBorder, false},
};

INSTANTIATE_TEST_SUITE_P(Form, ClientSizeTest, ::testing::ValuesIn(kClientSizeCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
