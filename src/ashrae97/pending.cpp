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

double moist_air::pws() const { check_state(); pending(); }
double moist_air::pdew() const { check_state(); pending(); }
double moist_air::pwet() const { check_state(); pending(); }
double moist_air::tdew() const { check_state(); pending(); }
double moist_air::twet() const { check_state(); pending(); }
double moist_air::ws() const { check_state(); pending(); }
double moist_air::rh() const { check_state(); pending(); }
double moist_air::va() const { check_state(); pending(); }
double moist_air::vm() const { check_state(); pending(); }
double moist_air::vg() const { check_state(); pending(); }
double moist_air::vw() const { check_state(); pending(); }
double moist_air::ha() const { check_state(); pending(); }
double moist_air::hm() const { check_state(); pending(); }
double moist_air::hg() const { check_state(); pending(); }
double moist_air::hw() const { check_state(); pending(); }
double moist_air::sa() const { check_state(); pending(); }
double moist_air::sm() const { check_state(); pending(); }
double moist_air::sg() const { check_state(); pending(); }
double moist_air::sw() const { check_state(); pending(); }
double moist_air::cpa() const { check_state(); pending(); }
double moist_air::cpm() const { check_state(); pending(); }
double moist_air::cpw() const { check_state(); pending(); }
double moist_air::cpg() const { check_state(); pending(); }
double moist_air::rho() const { check_state(); pending(); }
double moist_air::ds() const { check_state(); pending(); }
double moist_air::mua() const { check_state(); pending(); }
double moist_air::mum() const { check_state(); pending(); }
double moist_air::muw() const { check_state(); pending(); }
double moist_air::mug() const { check_state(); pending(); }
double moist_air::tka() const { check_state(); pending(); }
double moist_air::tkm() const { check_state(); pending(); }
double moist_air::tkw() const { check_state(); pending(); }
double moist_air::tkg() const { check_state(); pending(); }
double moist_air::pra() const { check_state(); pending(); }
double moist_air::prm() const { check_state(); pending(); }
double moist_air::prw() const { check_state(); pending(); }
double moist_air::prg() const { check_state(); pending(); }
double moist_air::daw() const { check_state(); pending(); }
double moist_air::scm() const { check_state(); pending(); }

}  // namespace hygra::ashrae97
