#include "platform/form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/form_ref.h"
#include "platform/runtime_error.h"

namespace zrl {
namespace {

struct Counters {
    int loads = 0;
    int unloads = 0;
    int ticks = 0;
    QString keys;
    bool hideOnLoad = false;
};

class TestForm : public Form {
public:
    explicit TestForm(Counters& counters) : counters_(counters) {
        edit = new QLineEdit(this);
        button = new QPushButton(QStringLiteral("Go"), this);
        timer = new QTimer(this);
        timer->setInterval(5);
        timer->start();
        OnTimer(timer, [this] { ++counters_.ticks; });
    }
    QLineEdit* edit;
    QPushButton* button;
    QTimer* timer;

protected:
    void Load() override {
        ++counters_.loads;
        if (counters_.hideOnLoad) {
            SetVisible(false);
        }
    }
    void KeyPress(QChar key) override { counters_.keys += key; }
    void Unloading() override { ++counters_.unloads; }

public:
    void ConnectButton(std::function<void()> handler) { OnClick(button, std::move(handler)); }

private:
    Counters& counters_;
};

void FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class FormTest : public ::testing::Test {
protected:
    Counters counters;
    FormRef<TestForm> ref{[this] { return new TestForm(counters); }};
    QStringList reported;
    ErrorReporter previous =
        SetErrorReporter([this](QWidget*, const QString& message) { reported << message; });

    ~FormTest() override {
        ref.Unload();
        FlushDeletes();
        SetErrorReporter(previous);
    }
};

TEST_F(FormTest, CreatedOnFirstReferenceOnce) {
    EXPECT_FALSE(ref.Exists());
    TestForm* first = ref.Get();
    EXPECT_EQ(ref.Get(), first);
    EXPECT_EQ(counters.loads, 1);
    EXPECT_FALSE(first->isVisible()) << "a reference alone does not show the window";
}

TEST_F(FormTest, HideKeepsStateUnloadDestroysAndRecreates) {
    ref.SetVisible(true);
    QPointer<TestForm> first = ref.Get();
    first->edit->setText(QStringLiteral("kept"));
    ref.SetVisible(false);
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(ref.Get()->edit->text(), QStringLiteral("kept"));

    QPointer<QTimer> timer = first->timer;
    ref.Unload();
    EXPECT_FALSE(timer->isActive()) << "unload stops the window's timers at once";
    EXPECT_EQ(counters.unloads, 1);
    EXPECT_FALSE(ref.Exists());
    FlushDeletes();
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(timer.isNull());

    TestForm* second = ref.Get();
    EXPECT_EQ(counters.loads, 2);
    EXPECT_TRUE(second->edit->text().isEmpty()) << "a new instance starts afresh";
}

TEST_F(FormTest, CloseBoxIsUnload) {
    ref.SetVisible(true);
    ref.Get()->close();
    EXPECT_FALSE(ref.Exists());
    EXPECT_EQ(counters.unloads, 1);
}

TEST_F(FormTest, StartShowsUnlessLoadHidIt) {
    EXPECT_TRUE(ref.Start()->isVisible());
    ref.Unload();
    counters.hideOnLoad = true;
    EXPECT_FALSE(ref.Start()->isVisible());
}

TEST_F(FormTest, TimerTicksAndKeyPreviewSeesKeysOfControls) {
    ref.SetVisible(true);
    TestForm* form = ref.Get();
    EXPECT_TRUE(QTest::qWaitFor([&] { return counters.ticks >= 2; }, 2000));

    form->SetKeyPreview(true);
    QTest::keyClicks(form->edit, QStringLiteral("ab"));
    QTest::keyClick(form->edit, Qt::Key_Shift);
    EXPECT_EQ(counters.keys, QStringLiteral("ab")) << "only keys that yield a character";
    EXPECT_EQ(form->edit->text(), QStringLiteral("ab")) << "the control still gets the key";
}

TEST_F(FormTest, FailingHandlerIsReportedStopsAndTheProgramGoesOn) {
    ref.SetVisible(true);
    TestForm* form = ref.Get();
    QStringList steps;
    form->ConnectButton([&] {
        steps << QStringLiteral("before");
        throw RuntimeError(QStringLiteral("The clipboard is busy."));
        steps << QStringLiteral("after");
    });
    QTest::mouseClick(form->button, Qt::LeftButton);
    QTest::mouseClick(form->button, Qt::LeftButton);
    EXPECT_EQ(steps, QStringList({QStringLiteral("before"), QStringLiteral("before")}));
    EXPECT_EQ(reported, QStringList(2, QStringLiteral("The clipboard is busy.")));
    EXPECT_TRUE(ref.Exists());
    EXPECT_TRUE(form->isVisible());
}

}  // namespace
}  // namespace zrl
