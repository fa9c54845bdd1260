// main() of the data-core tests: a QCoreApplication, no window system at all,
// in a pinned en_US locale.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Yearnbox"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return RUN_ALL_TESTS();
}
