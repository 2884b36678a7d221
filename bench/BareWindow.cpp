// The yardstick of the start-up benchmark: a bare Qt window with one line of Korean text.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("칼로리 계산기"));
    label.resize(780, 530);
    label.show();
    return QApplication::exec();
}
