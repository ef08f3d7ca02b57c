<?xml version="1.0" encoding="UTF-8"?>
<!-- A simple dictionary of one Pelmora text in a web browser: each lemma with its meaning, part of
     speech and frequency, the word forms found under it with their forms and sources, example
     sentences (the word marked) and the combinations it takes part in. Keep it beside the result. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="UTF-8" indent="no"/>

  <xsl:template match="/">
    <html>
      <head>
        <meta charset="UTF-8"/>
        <title>Pelmora: lihtne sõnastik</title>
        <style>
          body { font-family: "Liberation Sans", Arial, sans-serif; margin: 2em; max-width: 60em; color: #222; }
          h1 { font-size: 1.4em; }
          .entry { border-top: 1px solid #ddd; padding: 0.5em 0; }
          .headword { font-weight: bold; color: #17486c; font-size: 1.1em; }
          .count { color: #666; font-size: 0.85em; }
          ul { margin: 0.2em 0 0.2em 1.2em; padding: 0; }
          .source { color: #888; font-size: 0.85em; }
          .example { font-size: 0.9em; color: #444; }
        </style>
      </head>
      <body>
        <h1>Lihtne sõnastik</h1>
        <p><xsl:value-of select="count(pelmora/lemma[nimi != '__'])"/> lemmat</p>
        <xsl:apply-templates select="pelmora/lemma[nimi != '__']"/>
      </body>
    </html>
  </xsl:template>

  <xsl:template match="lemma">
    <div class="entry">
      <span class="headword"><xsl:value-of select="nimi"/></span>
      <xsl:if test="tahendus != ''"> „<xsl:value-of select="tahendus"/>“</xsl:if>
      <xsl:if test="liik != ''"><xsl:text> </xsl:text><xsl:value-of select="liik"/></xsl:if>
      <xsl:if test="keel != ''"> (<xsl:value-of select="keel"/>)</xsl:if>
      <span class="count"> · <xsl:value-of select="sagedus"/></span>
      <ul>
        <xsl:for-each select="soned/sone">
          <li>
            <xsl:value-of select="nimi"/><xsl:text> </xsl:text><xsl:value-of select="vorm"/>
            <span class="count"> · <xsl:value-of select="sagedus"/></span>
            <span class="source"><xsl:text> </xsl:text><xsl:call-template name="sources"/></span>
          </li>
        </xsl:for-each>
      </ul>
      <xsl:if test="yhendid/yhend">
        <ul>
          <xsl:for-each select="yhendid/yhend">
            <li>
              <b><xsl:value-of select="ylemma"/></b>
              <xsl:if test="ytahendus != ''"> „<xsl:value-of select="ytahendus"/>“</xsl:if>
              <xsl:text> </xsl:text><xsl:value-of select="yliik"/>
              <span class="count"> · <xsl:value-of select="sagedus"/></span>
              <span class="source"><xsl:text> </xsl:text><xsl:call-template name="sources"/></span>
            </li>
          </xsl:for-each>
        </ul>
      </xsl:if>
      <xsl:for-each select="lause">
        <div class="example">
          <xsl:call-template name="marked"><xsl:with-param name="text" select="nimi"/></xsl:call-template>
          <span class="source"> (<xsl:value-of select="allikas"/>)</span>
        </div>
      </xsl:for-each>
    </div>
  </xsl:template>

  <xsl:template name="sources">
    <xsl:for-each select="allikad/allikas">
      <xsl:if test="position() &gt; 1">, </xsl:if>
      <xsl:value-of select="."/>
    </xsl:for-each>
  </xsl:template>

  <!-- An example sentence holds its word between asterisks: show that word in bold. -->
  <xsl:template name="marked">
    <xsl:param name="text"/>
    <xsl:choose>
      <xsl:when test="contains($text, '*') and contains(substring-after($text, '*'), '*')">
        <xsl:value-of select="substring-before($text, '*')"/>
        <b><xsl:value-of select="substring-before(substring-after($text, '*'), '*')"/></b>
        <xsl:call-template name="marked">
          <xsl:with-param name="text" select="substring-after(substring-after($text, '*'), '*')"/>
        </xsl:call-template>
      </xsl:when>
      <xsl:otherwise><xsl:value-of select="$text"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>
</xsl:stylesheet>
