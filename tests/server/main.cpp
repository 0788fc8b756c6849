// The server tests reach the PostgreSQL test cluster through Qt SQL, whose drivers
// are plugins that need the application object.

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
