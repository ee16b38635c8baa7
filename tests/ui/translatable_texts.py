#!/usr/bin/env python3
"""Writes the window's texts that a catalogue can hold, as the catalogues'
update finds them in the sources (lupdate), to OUT as JSON: [[context,
source], ...]. The widget tests' made-up language translates these and no
other text of the window's contexts, so that a tr() lupdate cannot see
shows as it was written."""
import json
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'scripts'))
import translations  # noqa: E402

with open(sys.argv[1], 'w', encoding='utf8') as f:
    json.dump([[c, s] for c, s, _ in translations.window_messages()], f, ensure_ascii=False)
