// The real program with one fault injected: its runtime throws a run-time error at the Nth
// write to a control (N, the first argument, counts from the first draw's first write). Built
// for the end-to-end fault tests only.

#include <cstdlib>
#include <memory>

#include "errors.h"
#include "startup.h"

namespace {

class FaultyRuntime final : public ostrel::Runtime {
public:
    FaultyRuntime(ostrel::Runtime& runtime, long faultAt) : runtime_(runtime), faultAt_(faultAt) {}

    void setText(ostrel::Control control, const std::u16string& text) override
    {
        if (++writes_ == faultAt_)
            throw ostrel::RuntimeError(5, "Invalid procedure call or argument");
        runtime_.setText(control, text);
    }
    void randomize() override { runtime_.randomize(); }
    float nextRandom() override { return runtime_.nextRandom(); }
    bool doEvents() override { return runtime_.doEvents(); }
    void messageBox(const std::u16string& prompt, const std::u16string& title) override
    {
        runtime_.messageBox(prompt, title);
    }

private:
    ostrel::Runtime& runtime_;
    long faultAt_;
    long writes_ = 0;
};

}  // namespace

int main(int argc, char* argv[])
{
    const long faultAt = argc > 1 ? std::atol(argv[1]) : 1;
    return ostrel::runProgram(argc, argv, [faultAt](ostrel::Runtime& runtime) {
        return std::make_unique<FaultyRuntime>(runtime, faultAt);
    });
}
