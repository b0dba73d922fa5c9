#!/usr/bin/env python3
"""Validate capability files with a real JSON Schema validator.

usage: validate_schemas.py SCHEMA_DIR ROOT [REFERENCE.md]

Every capability file under ROOT (hardwareindex.json, cap_board.json,
cap_sensor.json, cap_lens.json, cap_patch.json) is validated against its
schema in SCHEMA_DIR (draft 2020-12, checked as a schema first); with
REFERENCE.md, the minimal file of each "## FILE" section too. One line per
error: FILE<TAB>JSON pointer<TAB>message; a file that is not JSON gives the
pointer "(not JSON)".
"""
import json
import os
import re
import sys

from jsonschema import Draft202012Validator

KINDS = ("hardwareindex.json", "cap_board.json", "cap_sensor.json", "cap_lens.json", "cap_patch.json")


def validator(schema_dir, name):
    schema_path = os.path.join(schema_dir, name[: -len(".json")] + ".schema.json")
    with open(schema_path, encoding="utf-8") as f:
        schema = json.load(f)
    Draft202012Validator.check_schema(schema)
    return Draft202012Validator(schema)


def report(label, v, text):
    try:
        doc = json.loads(text)
    except ValueError as e:
        print(f"{label}\t(not JSON)\t{e}")
        return
    for e in sorted(v.iter_errors(doc), key=lambda e: [str(p) for p in e.absolute_path]):
        pointer = "".join("/" + str(p) for p in e.absolute_path)
        print(f"{label}\t{pointer}\t{e.message}")


def main():
    schema_dir, root = sys.argv[1], sys.argv[2]
    validators = {name: validator(schema_dir, name) for name in KINDS}
    for folder, _, files in sorted(os.walk(root)):
        for name in sorted(files):
            if name in validators:
                path = os.path.join(folder, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    report(os.path.relpath(path, root), validators[name], f.read())
    if len(sys.argv) > 3:
        with open(sys.argv[3], encoding="utf-8") as f:
            reference = f.read()
        for name, example in re.findall(r"^## (\S+)\n.*?```json\n(.*?)\n```", reference, re.S | re.M):
            report("reference:" + name, validators[name], example)


if __name__ == "__main__":
    main()
