# The languages that have catalogues (translations/tethrix_<language>.ts),
# for the window, tethrix-calc and the page alike.
set(TETHRIX_LANGUAGES de fr es it pl pt_BR ru uk CACHE INTERNAL "")
