"""The harness's own senses, checked against things the tests' Wine prefix is known to hold."""
import unittest

from harness import ProgramTest, registry_value


class Harness(ProgramTest):
    def test_reads_registry_values_of_the_prefix(self):
        self.assertEqual(registry_value(r"HKCU\Software\Wine\X11 Driver", "Decorated"), "N")
        self.assertIsNone(registry_value(r"HKCU\Software\Wine\X11 Driver", "NoSuchValue"))


if __name__ == "__main__":
    unittest.main()
