<?xml version="1.0" encoding="UTF-8"?>
<!-- A Pelmora multi-file query result in a web browser: what was sought, then one row per hit with
     its text, speaker and (when written) recording place, the sentence with the found tokens
     marked, and the annotation of each token as a tool tip. Keep it beside the result file. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="UTF-8" indent="no"/>

  <xsl:template match="/">
    <html>
      <head>
        <meta charset="UTF-8"/>
        <title>Pelmora: päring</title>
        <style>
          body { font-family: "Liberation Sans", Arial, sans-serif; margin: 2em; color: #222; }
          h1 { font-size: 1.4em; } p.sought { color: #444; }
          table { border-collapse: collapse; }
          th { text-align: left; color: #666; font-weight: normal; border-bottom: 1px solid #ccc; }
          td, th { padding: 0.3em 1em 0.3em 0; vertical-align: top; }
          tr + tr td { border-top: 1px solid #eee; }
          td.where { color: #666; font-size: 0.85em; white-space: nowrap; }
          mark { background: #fbe3a6; color: #000; font-weight: bold; padding: 0 0.15em; }
          .annotated { border-bottom: 1px dotted #17486c; }
          .found { color: #17486c; font-size: 0.85em; }
        </style>
      </head>
      <body>
        <xsl:apply-templates select="pelmora-paring"/>
      </body>
    </html>
  </xsl:template>

  <xsl:template match="pelmora-paring">
    <h1>Päring</h1>
    <p class="sought"><xsl:value-of select="@otsitav"/></p>
    <p><xsl:value-of select="count(lause)"/> rida</p>
    <table>
      <tr><th>Tekst ja keelejuht</th><th>Lause</th></tr>
      <xsl:apply-templates select="lause"/>
    </table>
  </xsl:template>

  <xsl:template match="lause">
    <tr>
      <td class="where">
        <xsl:value-of select="@tekst"/>
        <xsl:if test="@koneleja != ''"> » <xsl:value-of select="@koneleja"/></xsl:if>
        <xsl:if test="@helifail != '' or @helipos != ''"><br/><xsl:value-of select="@helifail"/> » <xsl:value-of select="@helipos"/></xsl:if>
        <xsl:if test="@murre != '' or @kihelkond != '' or @kyla != ''">
          <br/><xsl:value-of select="@murre"/> » <xsl:value-of select="@kihelkond"/> » <xsl:value-of select="@kyla"/>
        </xsl:if>
      </td>
      <td>
        <xsl:apply-templates select="sone"/>
        <xsl:if test="@sone">
          <div class="found">
            <xsl:value-of select="@sone"/>: <xsl:value-of select="@lemma"/>
            <xsl:if test="@tahendus != ''"> „<xsl:value-of select="@tahendus"/>“</xsl:if>
            <xsl:text> </xsl:text><xsl:value-of select="@liik"/><xsl:text> </xsl:text><xsl:value-of select="@vorm"/>
            <xsl:if test="@kommentaar != ''"> · <xsl:value-of select="@kommentaar"/></xsl:if>
          </div>
        </xsl:if>
      </td>
    </tr>
  </xsl:template>

  <xsl:template match="sone">
    <xsl:choose>
      <xsl:when test="@tyyp = 'otsitav'"><mark><xsl:call-template name="word"/></mark></xsl:when>
      <xsl:otherwise><xsl:call-template name="word"/></xsl:otherwise>
    </xsl:choose>
    <xsl:text> </xsl:text>
  </xsl:template>

  <!-- With the annotation of every token written, each word shows it when pointed at. -->
  <xsl:template name="word">
    <xsl:choose>
      <xsl:when test="@lemma != '' or @liik != '' or @vorm != ''">
        <span class="annotated" title="{@lemma} „{@tahendus}“ {@liik} {@vorm} {@kommentaar}"><xsl:value-of select="."/></span>
      </xsl:when>
      <xsl:otherwise><xsl:value-of select="."/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>
</xsl:stylesheet>
