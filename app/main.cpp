#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::puts("Quorvel: only the core is built so far (no main window yet).");
    return 0;
}
