<?xml version="1.0" encoding="UTF-8"?>
<!-- A Pelmora dictionary in a web browser: its lemmas, word forms and combinations as tables, each
     further analysis of an entry indented under the entry. The file names this stylesheet; keep it
     in the dictionary's folder. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="UTF-8" indent="no"/>

  <xsl:template match="/">
    <html>
      <head>
        <meta charset="UTF-8"/>
        <title>Pelmora: sõnastik</title>
        <style>
          body { font-family: "Liberation Sans", Arial, sans-serif; margin: 2em; color: #222; }
          h1 { font-size: 1.4em; } h2 { font-size: 1.1em; margin-top: 1.5em; }
          nav a { margin-right: 1.2em; }
          table { border-collapse: collapse; }
          th { text-align: left; color: #666; font-weight: normal; border-bottom: 1px solid #ccc; }
          td, th { padding: 0.2em 1em 0.2em 0; vertical-align: top; }
          tr.entry td { border-top: 1px solid #eee; }
          td.id { color: #17486c; font-weight: bold; }
          tr.more td.id { font-weight: normal; padding-left: 1.5em; }
          td.weight { text-align: right; color: #666; }
        </style>
      </head>
      <body>
        <xsl:apply-templates select="pelmora"/>
      </body>
    </html>
  </xsl:template>

  <xsl:template match="pelmora">
    <h1>Sõnastik</h1>
    <nav>
      <a href="#lemmad">Lemmad (<xsl:value-of select="count(lemmad/lemma[@id != '__'])"/>)</a>
      <a href="#soned">Sõnevormid (<xsl:value-of select="count(soned/sone[@id != '__'])"/>)</a>
      <a href="#yhendid">Ühendid (<xsl:value-of select="count(yhendid/yhend[@id != '__'])"/>)</a>
    </nav>
    <h2 id="lemmad">Lemmad</h2>
    <table>
      <tr><th>Lemma</th><th>Tähendus</th><th>Sõnaliik</th><th>Läti</th><th>Inglise</th><th>Kaal</th></tr>
      <xsl:for-each select="lemmad/lemma[@id != '__']">
        <xsl:apply-templates select=". | lemma" mode="lemma"/>
      </xsl:for-each>
    </table>
    <h2 id="soned">Sõnevormid</h2>
    <table>
      <tr><th>Sõnevorm</th><th>Lemma</th><th>Vorm</th><th>Kaal</th></tr>
      <xsl:for-each select="soned/sone[@id != '__']">
        <xsl:apply-templates select=". | sone" mode="form"/>
      </xsl:for-each>
    </table>
    <h2 id="yhendid">Ühendid</h2>
    <table>
      <tr><th>Ühend</th><th>Tähendus</th><th>Sõnaliik</th></tr>
      <xsl:for-each select="yhendid/yhend[@id != '__']">
        <xsl:apply-templates select=". | yhend" mode="combination"/>
      </xsl:for-each>
    </table>
  </xsl:template>

  <xsl:template match="*" mode="lemma">
    <tr>
      <xsl:call-template name="rowClass"/>
      <td class="id"><xsl:value-of select="@id"/></td>
      <td><xsl:value-of select="@tahendus"/></td>
      <td><xsl:value-of select="@liik"/></td>
      <td><xsl:value-of select="@lati"/></td>
      <td><xsl:value-of select="@ingl"/></td>
      <td class="weight"><xsl:value-of select="@kaal"/></td>
    </tr>
  </xsl:template>

  <xsl:template match="*" mode="form">
    <tr>
      <xsl:call-template name="rowClass"/>
      <td class="id"><xsl:value-of select="@id"/></td>
      <td><xsl:value-of select="@lemma"/></td>
      <td><xsl:value-of select="@vorm"/></td>
      <td class="weight"><xsl:value-of select="@kaal"/></td>
    </tr>
  </xsl:template>

  <xsl:template match="*" mode="combination">
    <tr>
      <xsl:call-template name="rowClass"/>
      <td class="id"><xsl:value-of select="@id"/></td>
      <td><xsl:value-of select="@ytahendus"/></td>
      <td><xsl:value-of select="@yliik"/></td>
    </tr>
  </xsl:template>

  <!-- A further analysis stands inside its entry, one level deep. -->
  <xsl:template name="rowClass">
    <xsl:attribute name="class">
      <xsl:choose>
        <xsl:when test="local-name(..) = local-name()">more</xsl:when>
        <xsl:otherwise>entry</xsl:otherwise>
      </xsl:choose>
    </xsl:attribute>
  </xsl:template>
</xsl:stylesheet>
