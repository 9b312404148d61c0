#!/usr/bin/env bash
# cdztool lint knows the controls panorel could host for a document: a plug-in in controls/
# beside it, or in the user's plug-in folder, provides its names; a name that none provides
# is a warning (exit status 0). $3 is a control plug-in (the sample control).
source "$(dirname "$0")/lib.sh"
plugin=$3

cat >page.cdb <<'DOC'
[Main]
title = Controls
appbar = false
numElements = 2
[Element_1]
type = ActiveX
controlName = Corvane.SampleControl
[Element_2]
type = ActiveX
controlName = Panorel.TestControl
DOC
export XDG_DATA_HOME=$work/data
expect 0 "" -- lint page.cdb
grep -q "no plug-in provides the control 'Corvane.SampleControl' (looked in $work/controls, " out.txt ||
  fail "a control no plug-in provides: $(cat out.txt)"
grep -q "Panorel.TestControl" out.txt && fail "the built-in control was not known"

mkdir -p controls && cp "$plugin" controls/
expect 0 "" -- lint page.cdb
[ -s out.txt ] && fail "the plug-in beside the document was not read: $(cat out.txt)"

rm -r controls && mkdir -p data/panorel/controls && cp "$plugin" data/panorel/controls/
expect 0 "" -- lint page.cdb
[ -s out.txt ] && fail "the user's plug-in was not read: $(cat out.txt)"
finish
