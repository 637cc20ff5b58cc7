"""Validates every line of standard input, one JSON document each, against the JSON Schema named first.

Prints each violation with its line number and exits 1 when there is any; used by test_sprtool on the
output of sprtool info.
"""
import json
import sys

import jsonschema


def main():
    with open(sys.argv[1], encoding="utf-8") as file:
        schema = json.load(file)
    validator_class = jsonschema.validators.validator_for(schema)
    validator_class.check_schema(schema)
    validator = validator_class(schema)
    failures = 0
    lines = 0
    for number, line in enumerate(sys.stdin, 1):
        if not line.strip():
            continue
        lines += 1
        for error in validator.iter_errors(json.loads(line)):
            failures += 1
            path = "/".join(str(part) for part in error.absolute_path)
            print(f"line {number}: /{path}: {error.message}")
    print(f"{lines} lines, {failures} violations")
    return 1 if failures or not lines else 0


if __name__ == "__main__":
    sys.exit(main())
