// Concurrent callers: each thread has its own state cache and message, so
// threads that evaluate at once get exactly what one thread alone gets.
#include <cstring>
#include <thread>
#include <vector>

#include "api_test.h"

namespace {

struct call {
    int type, code, units;
    double a, b, p;
};

// A mix of every state type, property code and unit system, with failing
// inputs among them (a pressure out of range, an unknown code), drawn from
// the properties of a few ordinary states.
std::vector<call> workload()
{
    std::vector<call> calls;
    for (const auto& s : {std::vector<double>{20.0, 0.5, 1.01325}, {-10.0, 0.8, 0.9}, {45.0, 0.2, 3.0}}) {
        double props[HYGRA_PROPERTY_COUNT];
        for (int code = 0; code < HYGRA_PROPERTY_COUNT; ++code)
            moistair_eval(HYGRA_TDRY_RH, code, HYGRA_SI, &props[code], s[0], s[1], s[2]);
        for (int code = 0; code < HYGRA_PROPERTY_COUNT; ++code)  // inch-pound: dry bulb and humidity ratio
            calls.push_back({HYGRA_W_TDRY, code, HYGRA_IP, props[HYGRA_W], s[0] * 1.8 + 32.0, s[2] * 14.5038});
        for (int type = 0; type < HYGRA_STATE_TYPE_COUNT; ++type)
            for (int code = 0; code < HYGRA_PROPERTY_COUNT; code += 3) {
                const double a = props[api_test::inputs_of[type][0]], b = props[api_test::inputs_of[type][1]];
                calls.push_back({type, code, HYGRA_SI, a, b, s[2]});
                if (code % 9 == 0) {
                    calls.push_back({type, code, HYGRA_SI, a, b, 60.0});
                    calls.push_back({type, 46, HYGRA_SI, a, b, s[2]});
                }
            }
    }
    return calls;
}

struct outcome {
    int rc;
    double value;
    std::string message;
    // The value bitwise, so that NaN results compare equal to themselves.
    bool operator==(const outcome& o) const
    {
        return rc == o.rc && std::memcmp(&value, &o.value, sizeof value) == 0 && message == o.message;
    }
};

// Each thread walks the workload from its own offset, so threads work on
// different states at the same moment.
std::vector<outcome> run(const std::vector<call>& calls, std::size_t offset)
{
    std::vector<outcome> out(calls.size());
    for (std::size_t k = 0; k < calls.size(); ++k) {
        const std::size_t i = (k + offset) % calls.size();
        const call& c = calls[i];
        double v = -1.0;
        const int rc = moistair_eval(c.type, c.code, c.units, &v, c.a, c.b, c.p);
        out[i] = {rc, v, hygra_last_error()};
    }
    return out;
}

TEST(Threads, ConcurrentCallsMatchASerialRun)
{
    const std::vector<call> calls = workload();
    const std::vector<outcome> serial = run(calls, 0);
    constexpr int n_threads = 8;
    std::vector<std::vector<outcome>> results(n_threads);
    std::vector<std::thread> threads;
    for (int t = 0; t < n_threads; ++t)
        threads.emplace_back([&, t] { results[t] = run(calls, t * calls.size() / n_threads); });
    for (std::thread& th : threads)
        th.join();
    int successes = 0;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        for (int t = 0; t < n_threads; ++t)
            ASSERT_TRUE(results[t][i] == serial[i]) << "thread " << t << ", call " << i << ": state type "
                                                    << calls[i].type << ", code " << calls[i].code;
        successes += serial[i].rc == HYGRA_OK;
    }
    // The workload is mostly successes, with failures among them.
    EXPECT_GT(successes, static_cast<int>(calls.size()) / 2);
    EXPECT_LT(successes, static_cast<int>(calls.size()));
}

}  // namespace
