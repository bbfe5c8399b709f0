#include <QTest>
class WindowsTest : public QObject {
  Q_OBJECT
};
QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
