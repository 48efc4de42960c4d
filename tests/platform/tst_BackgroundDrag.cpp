#include "platform/widgets/BackgroundDrag.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

class TestBackgroundDrag : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dragsByBackgroundOnly_data();
    void dragsByBackgroundOnly();
};

void TestBackgroundDrag::dragsByBackgroundOnly_data()
{
    QTest::addColumn<QString>("pressOn");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("moves");
    QTest::newRow("window background, left") << "window" << Qt::LeftButton << true;
    QTest::newRow("label, left") << "label" << Qt::LeftButton << true;
    QTest::newRow("button takes its own press") << "button" << Qt::LeftButton << false;
    QTest::newRow("right button") << "window" << Qt::RightButton << false;
}

void TestBackgroundDrag::dragsByBackgroundOnly()
{
    QFETCH(QString, pressOn);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, moves);
    QWidget window;
    auto *label = new QLabel(QStringLiteral("Başlık"), &window);
    auto *push = new QPushButton(QStringLiteral("Tamam"), &window);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(label);
    layout->addWidget(push);
    layout->addStretch();
    window.resize(200, 200);
    new BackgroundDrag(&window);
    window.move(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget *target = pressOn == u"label" ? static_cast<QWidget *>(label)
                      : pressOn == u"button" ? static_cast<QWidget *>(push)
                                             : &window;
    const QPoint at = pressOn == u"window" ? QPoint(100, 180) : target->rect().center();
    const QPoint before = window.pos();
    QTest::mousePress(target, button, {}, at);
    QMouseEvent move(QEvent::MouseMove, at + QPoint(30, 20), target->mapToGlobal(at + QPoint(30, 20)), Qt::NoButton,
                     button, {});
    QApplication::sendEvent(target, &move);
    QTest::mouseRelease(target, button, {}, at + QPoint(30, 20));
    QCOMPARE(window.pos() != before, moves);
}

VR_TEST(TestBackgroundDrag)
#include "tst_BackgroundDrag.moc"
