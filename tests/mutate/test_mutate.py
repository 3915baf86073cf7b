"""The mutation script's operators: each makes the fault it names, none
reaches into comments, strings or preprocessor lines, and applying a mutant
changes exactly its text."""
import importlib.util
import pathlib
import unittest

_path = pathlib.Path(__file__).resolve().parents[2] / "tools" / "mutate.py"
_spec = importlib.util.spec_from_file_location("mutate", _path)
mutate = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(mutate)


def kinds(source):
    return {(m.kind, m.before, m.after) for m in mutate.mutants_of_file("x.cpp", source)}


class Operators(unittest.TestCase):
    def test_each_operator_makes_its_fault(self):
        found = kinds("    if (t < t_min || x >= 1.0)\n"
                      "        return a + b * 2.5e-3;\n"
                      "    for (int i = 0; i < n; ++i)\n"
                      "        y = -f(p, q);\n")
        for expected in [("comparison", "<", "<="), ("comparison", ">=", ">"),
                         ("arithmetic", "+", "-"), ("arithmetic", "*", "/"),
                         ("constant", "2.5e-3", "2.6e-3"), ("constant", "1.0", "1.1"),
                         ("dropped if", "t < t_min || x >= 1.0", "false"),
                         ("loop bound", " i < n", " i < n + 1"),
                         ("swapped arguments", "p, q", "q, p"), ("sign", "-", "")]:
            self.assertIn(expected, found)

    def test_comments_strings_templates_and_directives_are_left_alone(self):
        source = ('#include <a>\n'
                  '// a < b + 1.5\n'
                  'std::vector<double> v; /* x > 2.0 */\n'
                  'const char* s = "a < b - 3.0";\n'
                  'std::cout << x;\n')
        self.assertEqual(kinds(source), set())

    def test_a_nine_is_nudged_down_and_the_exponent_kept(self):
        self.assertEqual(mutate.nudge_last_digit("0.0099"), "0.0098")
        self.assertEqual(mutate.nudge_last_digit("1.9e-5"), "1.8e-5")
        # 4.1887902047863906 is the same double: the digit before moves instead.
        self.assertEqual(mutate.nudge_last_digit("4.1887902047863905"), "4.1887902047863915")

    def test_apply_changes_only_the_mutated_text(self):
        source = "a = b < c;\nd = e < f;\n"
        second = [m for m in mutate.mutants_of_file("x.cpp", source) if m.line == 2][0]
        self.assertEqual(mutate.apply(source, second), "a = b < c;\nd = e <= f;\n")

    def test_the_sample_is_deterministic_for_a_seed(self):
        ms = mutate.mutants_of_file("x.cpp", "x = a + b - c * d / e;\n" * 20)
        self.assertEqual(mutate.sample(ms, "x.cpp", 7, 10), mutate.sample(list(reversed(ms)), "x.cpp", 7, 10))
        self.assertNotEqual(mutate.sample(ms, "x.cpp", 7, 10), mutate.sample(ms, "x.cpp", 8, 10))


if __name__ == "__main__":
    unittest.main()
