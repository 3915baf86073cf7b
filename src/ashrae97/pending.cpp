// Interim: state routines and getters that are not built yet fail cleanly.
#include "ashrae97/moist_air.h"

#include <stdexcept>

namespace hygra::ashrae97 {

namespace {
[[noreturn]] void pending() { throw std::runtime_error("not yet supported"); }
}  // namespace

void moist_air::at_tdry_twet(double, double, double) { pending(); }
void moist_air::at_tdry_rh(double, double, double) { pending(); }
void moist_air::at_tdry_h(double, double, double) { pending(); }
void moist_air::at_tdry_s(double, double, double) { pending(); }
void moist_air::at_tdry_v(double, double, double) { pending(); }
void moist_air::at_tdry_tdew(double, double, double) { pending(); }
void moist_air::at_w_twet(double, double, double) { pending(); }
void moist_air::at_w_rh(double, double, double) { pending(); }
void moist_air::at_w_h(double, double, double) { pending(); }
void moist_air::at_w_s(double, double, double) { pending(); }
void moist_air::at_w_v(double, double, double) { pending(); }
void moist_air::at_rh_twet(double, double, double) { pending(); }
void moist_air::at_rh_h(double, double, double) { pending(); }
void moist_air::at_rh_s(double, double, double) { pending(); }
void moist_air::at_rh_v(double, double, double) { pending(); }


}  // namespace hygra::ashrae97
