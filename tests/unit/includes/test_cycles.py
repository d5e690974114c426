"""The include-cycle finder on small graphs, on files laid out for it, and on the tree itself."""
import pathlib
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[3] / 'scripts' / 'includes'))
import cycles  # noqa: E402


class Cycles(unittest.TestCase):
    def test_graphs(self):
        table = [
            ('no includes', {'a.h': []}, []),
            ('a chain', {'a.h': ['b.h'], 'b.h': ['c.h'], 'c.h': []}, []),
            ('a diamond', {'a.h': ['b.h', 'c.h'], 'b.h': ['d.h'], 'c.h': ['d.h'], 'd.h': []}, []),
            ('two files', {'a.h': ['b.h'], 'b.h': ['a.h']}, [['a.h', 'b.h', 'a.h']]),
            ('four files round',
             {'loader.h': ['loop.h'], 'loop.h': ['proc.h'], 'proc.h': ['fatal.h'], 'fatal.h': ['loader.h']},
             [['fatal.h', 'loader.h', 'loop.h', 'proc.h', 'fatal.h']]),
            ('a file including itself', {'a.h': ['a.h']}, [['a.h', 'a.h']]),
        ]
        for name, graph, expected in table:
            with self.subTest(name):
                self.assertEqual(cycles.cycles(graph), expected)

    def test_a_source_including_the_header_that_includes_its_own_header_is_a_cycle(self):
        with tempfile.TemporaryDirectory() as d:
            root = pathlib.Path(d)
            (root / 'ui').mkdir()
            files = {
                'ui/loader.h': '#include "ui/router.h"\n',
                'ui/loader.cpp': '#include "ui/loader.h"\n#include "ui/fatal.h"\n',
                'ui/fatal.h': '#include <string>\n',
                'ui/fatal.cpp': '#include "ui/fatal.h"\n#include "ui/loader.h"\n',
                'ui/router.h': '',
            }
            for name, text in files.items():
                (root / name).write_text(text)
            graph = cycles.include_graph(root, ['ui'])
            self.assertEqual(graph['ui/router'], [])
            self.assertEqual(cycles.cycles(graph), [['ui/fatal', 'ui/loader', 'ui/fatal']])

    def test_the_tree_has_none(self):
        script = pathlib.Path(cycles.__file__)
        run = subprocess.run([sys.executable, str(script)],
                             capture_output=True, text=True)
        self.assertEqual(run.returncode, 0, run.stdout)


if __name__ == '__main__':
    unittest.main()
