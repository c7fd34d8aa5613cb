// Loads like a plug-in but exports no entry point.
extern "C" int almarikNotAPlugin()
{
    return 42;
}
