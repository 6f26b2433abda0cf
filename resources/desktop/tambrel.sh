#!/bin/sh
# Starts Тамбрель from its own folder's copy: the program finds its help page
# beside itself. The settings file stays in the folder the user started from.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/tambrel/tambrel" "$@"
