#pragma once

#include <memory>

// A window benchmark's program (the window and the handlers it measures), made when the
// first benchmark asks for it and ended by end() before the application object goes.
template <typename Program> class BenchProgram
{
public:
    static Program &get()
    {
        if (!slot())
            slot() = std::make_unique<Program>();
        return *slot();
    }
    static void end() { slot().reset(); }

private:
    static std::unique_ptr<Program> &slot()
    {
        static std::unique_ptr<Program> instance;
        return instance;
    }
};
