// Benchmarks of the hot paths; prints one line per measurement.
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::printf("no benchmark yet\n");
    return 0;
}
