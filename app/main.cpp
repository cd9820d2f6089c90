#include "app/application.h"

int main(int argc, char *argv[])
{
    return tavorin::Main(argc, argv);
}
