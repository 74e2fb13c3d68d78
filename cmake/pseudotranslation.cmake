# cmake -DIN=<file.ts> -DOUT=<file.ts> -P pseudotranslation.cmake
# Writes a translation that gives every text of IN as "[" + source + "]". With it installed, a
# text shown without the brackets never went through the translation, whatever the language.
file(READ ${IN} content)
# Plural texts (two forms in the languages this is made from) first: their translation holds
# one element per form.
string(REGEX REPLACE
  "<source>([^<]*)</source>([^<]*)<translation>([^<]*)<numerusform>[^<]*</numerusform>([^<]*)<numerusform>[^<]*</numerusform>"
  "<source>\\1</source>\\2<translation>\\3<numerusform>[\\1]</numerusform>\\4<numerusform>[\\1]</numerusform>"
  content "${content}")
string(REGEX REPLACE
  "<source>([^<]*)</source>([^<]*)<translation>[^<]*</translation>"
  "<source>\\1</source>\\2<translation>[\\1]</translation>"
  content "${content}")
file(WRITE ${OUT} "${content}")
