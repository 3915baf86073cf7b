// The abstract one-variable function that the root solvers and the minimiser
// evaluate. Every objective of the moist-air model derives from it and holds
// the fixed parameters of its equation (a pressure, a humidity ratio, ...).
#ifndef HYGRA_NUMERIC_UNIVARIATE_FUNCTION_H
#define HYGRA_NUMERIC_UNIVARIATE_FUNCTION_H

namespace hygra {

// f: Arg -> Result. The call is not const: an objective may keep scratch values
// (the last state it built, a counter) between evaluations.
//
// Objects are concrete function objects on the stack of the routine that uses
// them; the solvers hold them by reference and never own or delete them. The
// destructor is therefore protected and non-virtual: deleting through this base
// does not compile, and the type carries no cost beyond its one virtual call.
template <class Arg, class Result>
class univariate_function {
public:
    using argument_type = Arg;
    using result_type = Result;

    virtual Result operator()(const Arg& x) = 0;

protected:
    univariate_function() = default;
    univariate_function(const univariate_function&) = default;
    univariate_function& operator=(const univariate_function&) = default;
    ~univariate_function() = default;
};

}  // namespace hygra

#endif
