# Sourced by the Wine test scripts: a quiet Wine in the prefix given as $1, with no Mono or Gecko
# prompts. Desktop menu entries that Wine makes for shortcuts land inside the prefix too.
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export XDG_DATA_HOME=$1/xdg/data XDG_CONFIG_HOME=$1/xdg/config
