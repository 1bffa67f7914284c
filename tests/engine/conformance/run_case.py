#!/usr/bin/env python3
"""Run conformance cases through a Pascal Script runner and compare outputs.

A case is  <group>/<name>.pas  below this folder.  Beside it:
  <name>.out            expected output, produced by the reference runner
  <name>.expected-ours  (optional) our intended output where we deliberately
                        differ from the reference runner; preferred over .out
                        unless --oracle is given
  <name>.args           (optional) one line of runner arguments, split like a
                        shell command line; {} stands for the script path.
                        Default: "run {}"

The runner is started with the case's folder as working directory and the
script given by its bare file name, so include files resolve relative to it
and no absolute path reaches the output.  The captured form is:
  every stdout line, then (only when stderr is not empty) a line
  "--- stderr ---" followed by every stderr line, then a last line "exit: N".
Occurrences of "<case folder>/" that still appear (absolute paths built by the
runner, e.g. in preprocessor messages) are replaced by "" -- the only
normalisation.

Comparison: lines starting with "[Error]", "[Warning]", "[Hint]" or
"  (engine:" are engine diagnostics whose wording may differ: each is reduced
to that prefix before comparing, so their number, kind and order must still
match, but not their text.  Every other line must be identical.

Usage:
  run_case.py --runner PATH [--oracle] [--update] [--timeout S] CASE...
  run_case.py --runner PATH [--oracle] [--update] --all
CASE is "group/name", "group/name.pas" or a path to the .pas file.
--oracle   compare with .out only (skip cases that have no .out); used to
           check that the reference runner still reproduces the expectations
--update   write the captured output to .out instead of comparing
--passing  print only the names of passing cases (e.g. to prune PENDING)
Exit status 0 when every case matches, 1 otherwise (2 on usage errors).
"""
import argparse
import difflib
import os
import shlex
import subprocess
import sys

SUITE = os.path.dirname(os.path.abspath(__file__))
LOOSE_PREFIXES = ("[Error]", "[Warning]", "[Hint]", "  (engine:")


def all_cases():
    cases = []
    for group in sorted(os.listdir(SUITE)):
        gdir = os.path.join(SUITE, group)
        if not os.path.isdir(gdir) or group.startswith("."):
            continue
        for f in sorted(os.listdir(gdir)):
            if f.endswith(".pas") and os.path.isfile(os.path.join(gdir, f)):
                cases.append(group + "/" + f[:-4])
    return cases


def case_name(arg):
    if arg.endswith(".pas") and os.path.isfile(arg):
        p = os.path.abspath(arg)
    else:
        p = os.path.join(SUITE, arg)
    if p.endswith(".pas"):
        p = p[:-4]
    rel = os.path.relpath(p, SUITE).replace(os.sep, "/")
    return rel


def capture(runner, case, timeout):
    base = os.path.join(SUITE, case)
    folder = os.path.dirname(base)
    script = os.path.basename(base) + ".pas"
    args = ["run", "{}"]
    if os.path.exists(base + ".args"):
        with open(base + ".args", encoding="utf-8") as f:
            line = f.readline().strip()
        args = shlex.split(line)
    args = [script if a == "{}" else a.replace("{}", script) for a in args]
    env = dict(os.environ)
    for k in list(env):
        if k.startswith("PSORACLE_"):
            del env[k]
    env["LC_ALL"] = "C.UTF-8"
    try:
        p = subprocess.run([runner] + args, cwd=folder, env=env,
                           stdin=subprocess.DEVNULL, capture_output=True,
                           timeout=timeout)
        out, err, rc = p.stdout, p.stderr, p.returncode
    except subprocess.TimeoutExpired as e:
        out = e.stdout or b""
        err = (e.stderr or b"") + b"<timeout after %d s>\n" % timeout
        rc = "timeout"
    text = out.decode("utf-8", "replace")
    if text and not text.endswith("\n"):
        text += "\n"
    if err:
        e = err.decode("utf-8", "replace")
        if not e.endswith("\n"):
            e += "\n"
        text += "--- stderr ---\n" + e
    text += "exit: %s\n" % rc
    text = text.replace(folder + "/", "")
    return text


def loosen(lines):
    res = []
    for line in lines:
        for pre in LOOSE_PREFIXES:
            if line.startswith(pre):
                line = pre + " ..."
                break
        res.append(line)
    return res


def expected_file(case, oracle):
    base = os.path.join(SUITE, case)
    if not oracle and os.path.exists(base + ".expected-ours"):
        return base + ".expected-ours"
    if os.path.exists(base + ".out"):
        return base + ".out"
    return None


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--runner", required=True)
    ap.add_argument("--oracle", action="store_true")
    ap.add_argument("--update", action="store_true")
    ap.add_argument("--all", action="store_true")
    ap.add_argument("--timeout", type=int, default=30)
    ap.add_argument("--quiet", action="store_true", help="print failures only")
    ap.add_argument("--passing", action="store_true",
                    help="print only the names of the cases that pass (to prune PENDING)")
    ap.add_argument("cases", nargs="*")
    a = ap.parse_args()
    cases = all_cases() if a.all else [case_name(c) for c in a.cases]
    if not cases:
        ap.print_usage()
        return 2
    runner = os.path.abspath(a.runner)
    failed = []
    for case in cases:
        if not os.path.exists(os.path.join(SUITE, case + ".pas")):
            print("no such case: " + case)
            failed.append(case)
            continue
        got = capture(runner, case, a.timeout)
        if a.update:
            if os.path.exists(os.path.join(SUITE, case + ".expected-ours")) and \
               not os.path.exists(os.path.join(SUITE, case + ".out")):
                continue  # deliberate difference: no reference output kept
            with open(os.path.join(SUITE, case + ".out"), "w", encoding="utf-8") as f:
                f.write(got)
            continue
        exp_path = expected_file(case, a.oracle)
        if exp_path is None:
            if a.oracle:
                continue
            print("FAIL %s: no expected output" % case)
            failed.append(case)
            continue
        with open(exp_path, encoding="utf-8") as f:
            exp = f.read()
        el, gl = exp.splitlines(), got.splitlines()
        if loosen(el) == loosen(gl):
            if a.passing:
                print(case)
            elif not a.quiet:
                print("ok   " + case)
            continue
        failed.append(case)
        if a.passing:
            continue
        print("FAIL " + case)
        sys.stdout.writelines(difflib.unified_diff(
            [l + "\n" for l in el], [l + "\n" for l in gl],
            os.path.relpath(exp_path, SUITE), "actual (%s)" % os.path.basename(runner)))
    if len(cases) > 1 and not a.update and not a.passing:
        print("%d cases, %d failed" % (len(cases), len(failed)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
