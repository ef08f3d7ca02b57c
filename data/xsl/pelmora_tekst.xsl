<?xml version="1.0" encoding="UTF-8"?>
<!-- A Pelmora corpus text in a web browser: its data, its speakers, and each sentence with the
     analysis under every word (lemma, meaning, part of speech and form), combinations, comments
     and translations. The file names this stylesheet; keep it in the text's folder. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="UTF-8" indent="no"/>
  <xsl:key name="speaker" match="/pelmora/info/keelejuht | /pelmora/info/intervjueerija" use="@id"/>

  <xsl:template match="/">
    <html>
      <head>
        <meta charset="UTF-8"/>
        <title>Pelmora: <xsl:value-of select="pelmora/sisu/@id"/></title>
        <style>
          body { font-family: "Liberation Sans", Arial, sans-serif; margin: 2em; max-width: 70em; color: #222; }
          h1 { font-size: 1.4em; } h2 { font-size: 1.1em; margin-top: 1.5em; }
          table.data td, table.data th { text-align: left; padding: 0.15em 0.8em 0.15em 0; vertical-align: top; }
          table.data th { font-weight: normal; color: #666; }
          .sentence { border-top: 1px solid #ddd; padding: 0.6em 0; }
          .head { color: #666; font-size: 0.85em; margin-bottom: 0.3em; }
          .speaker { font-weight: bold; color: #17486c; }
          .interviewer .speaker { color: #8a5a00; }
          .token { display: inline-block; vertical-align: top; margin: 0 0.6em 0.4em 0; }
          .word { font-size: 1.15em; }
          .untagged .word { color: #888; }
          .punct { margin-left: -0.5em; }
          .analysis { font-size: 0.75em; color: #555; line-height: 1.3; }
          .lemma { color: #17486c; }
          .combined .word { border-bottom: 2px solid #f2b233; }
          .note { color: #d6322c; font-size: 0.8em; }
          .extra { font-size: 0.85em; color: #444; margin: 0.2em 0 0 1em; }
          .translation { font-style: italic; }
        </style>
      </head>
      <body>
        <xsl:apply-templates select="pelmora/info"/>
        <xsl:apply-templates select="pelmora/sisu[1]"/>
      </body>
    </html>
  </xsl:template>

  <xsl:template match="info">
    <h1>
      <xsl:value-of select="/pelmora/sisu/@id"/>
      <xsl:if test="teema"> · <xsl:value-of select="teema"/></xsl:if>
    </h1>
    <table class="data">
      <xsl:call-template name="row"><xsl:with-param name="caption">Teksti tüüp</xsl:with-param><xsl:with-param name="value" select="tyyp"/></xsl:call-template>
      <xsl:if test="kyla">
        <tr><th>Küla</th><td><xsl:value-of select="kyla"/>
          <xsl:if test="kyla/@latituud != '' or kyla/@longituud != ''"> (<xsl:value-of select="kyla/@latituud"/>, <xsl:value-of select="kyla/@longituud"/>)</xsl:if>
        </td></tr>
      </xsl:if>
      <xsl:call-template name="row"><xsl:with-param name="caption">Kihelkond</xsl:with-param><xsl:with-param name="value" select="kihelkond"/></xsl:call-template>
      <xsl:if test="lindistus">
        <tr><th>Lindistus</th><td>
          <xsl:value-of select="lindistus"/>
          <xsl:if test="lindistus/@lindistaja != ''">, <xsl:value-of select="lindistus/@lindistaja"/></xsl:if>
          <xsl:if test="lindistus/@aasta != ''">, <xsl:value-of select="lindistus/@aasta"/></xsl:if>
          <xsl:if test="lindistus/@fail != ''">, helifail <a href="{lindistus/@fail}"><xsl:value-of select="lindistus/@fail"/></a></xsl:if>
        </td></tr>
      </xsl:if>
      <xsl:if test="litereering">
        <tr><th>Litereering</th><td>
          <xsl:value-of select="litereering"/>
          <xsl:if test="litereering/@litereerija != ''">, <xsl:value-of select="litereering/@litereerija"/></xsl:if>
          <xsl:if test="litereering/@aasta != ''">, <xsl:value-of select="litereering/@aasta"/></xsl:if>
        </td></tr>
      </xsl:if>
      <xsl:if test="teos">
        <tr><th>Teos</th><td>
          <xsl:value-of select="teos"/>
          <xsl:if test="teos/@pealkiri != ''">, „<xsl:value-of select="teos/@pealkiri"/>“</xsl:if>
          <xsl:if test="teos/@koht != ''">, <xsl:value-of select="teos/@koht"/></xsl:if>
          <xsl:if test="teos/@aasta != ''">, <xsl:value-of select="teos/@aasta"/></xsl:if>
        </td></tr>
      </xsl:if>
      <xsl:call-template name="row"><xsl:with-param name="caption">Keel</xsl:with-param><xsl:with-param name="value" select="keel"/></xsl:call-template>
      <xsl:call-template name="row"><xsl:with-param name="caption">Murre</xsl:with-param><xsl:with-param name="value" select="murre"/></xsl:call-template>
      <xsl:call-template name="row"><xsl:with-param name="caption">Kirjaviis</xsl:with-param><xsl:with-param name="value" select="kirjaviis"/></xsl:call-template>
      <xsl:call-template name="row"><xsl:with-param name="caption">Muu info</xsl:with-param><xsl:with-param name="value" select="muu"/></xsl:call-template>
    </table>
    <xsl:if test="keelejuht | intervjueerija">
      <h2>Vestluses osalejad</h2>
      <table class="data">
        <tr><th>ID</th><th>Nimi</th><th>Roll</th><th>Sünniaasta</th><th>Vanus</th><th>Sünnikoht</th><th>Haridus</th><th>Sugu</th></tr>
        <xsl:for-each select="keelejuht | intervjueerija">
          <tr>
            <td><xsl:value-of select="@id"/></td>
            <td><xsl:value-of select="."/></td>
            <td><xsl:value-of select="local-name()"/></td>
            <td><xsl:value-of select="@synniaasta"/></td>
            <td><xsl:value-of select="@vanus"/></td>
            <td><xsl:value-of select="@synnikoht"/></td>
            <td><xsl:value-of select="@haridus"/></td>
            <td><xsl:value-of select="@sugu"/></td>
          </tr>
        </xsl:for-each>
      </table>
    </xsl:if>
  </xsl:template>

  <xsl:template name="row">
    <xsl:param name="caption"/>
    <xsl:param name="value"/>
    <xsl:if test="string($value) != ''">
      <tr><th><xsl:value-of select="$caption"/></th><td><xsl:value-of select="$value"/></td></tr>
    </xsl:if>
  </xsl:template>

  <xsl:template match="sisu">
    <xsl:if test="not(/pelmora/info)"><h1><xsl:value-of select="@id"/></h1></xsl:if>
    <h2>Tekst</h2>
    <xsl:apply-templates select="lause"/>
  </xsl:template>

  <xsl:template match="lause">
    <xsl:variable name="who" select="key('speaker', @koneleja)"/>
    <div class="sentence">
      <xsl:if test="local-name($who) = 'intervjueerija'"><xsl:attribute name="class">sentence interviewer</xsl:attribute></xsl:if>
      <xsl:attribute name="id"><xsl:value-of select="@id"/></xsl:attribute>
      <div class="head">
        <xsl:value-of select="@id"/>
        <xsl:if test="@koneleja">
          · <span class="speaker"><xsl:choose><xsl:when test="$who"><xsl:value-of select="$who"/></xsl:when><xsl:otherwise><xsl:value-of select="@koneleja"/></xsl:otherwise></xsl:choose></span>
        </xsl:if>
        <xsl:if test="string(number(@helipos)) != 'NaN'">
          · <xsl:value-of select="floor(@helipos div 60)"/>:<xsl:value-of select="format-number(@helipos mod 60, '00')"/>
        </xsl:if>
      </div>
      <xsl:apply-templates select="sone"/>
      <xsl:if test="yhend">
        <div class="extra">Ühendid:
          <xsl:for-each select="yhend">
            <xsl:if test="position() &gt; 1">; </xsl:if>
            <span class="lemma"><xsl:value-of select="@ylemma"/></span>
            <xsl:if test="@ytahendus != ''"> „<xsl:value-of select="@ytahendus"/>“</xsl:if>
            <xsl:if test="@yliik != ''"> (<xsl:value-of select="@yliik"/>)</xsl:if>
          </xsl:for-each>
        </div>
      </xsl:if>
      <xsl:for-each select="sone[@kommentaar != '']">
        <div class="extra"><span class="note">*</span><xsl:text> </xsl:text><xsl:value-of select="."/>: <xsl:value-of select="@kommentaar"/></div>
      </xsl:for-each>
      <xsl:for-each select="@eelause | @ltlause | @inglause">
        <div class="extra translation"><xsl:value-of select="."/></div>
      </xsl:for-each>
    </div>
  </xsl:template>

  <xsl:template match="sone">
    <xsl:variable name="class">
      <xsl:text>token</xsl:text>
      <xsl:if test="@meta != '' and @meta != '-'"> untagged</xsl:if>
      <xsl:if test="@meta = 'vahemärk'"> punct</xsl:if>
      <xsl:if test="@yhend = '+'"> combined</xsl:if>
    </xsl:variable>
    <span class="{$class}">
      <xsl:attribute name="title">
        <xsl:value-of select="@id"/>
        <xsl:for-each select="@lati | @ingl | @stiil | @meta | @keel | @lk">
          <xsl:text>&#10;</xsl:text><xsl:value-of select="local-name()"/>: <xsl:value-of select="."/>
        </xsl:for-each>
      </xsl:attribute>
      <span class="word"><xsl:value-of select="."/></span>
      <xsl:if test="@kommentaar != ''"><span class="note">*</span></xsl:if>
      <xsl:if test="@lemma != '' or @liik != '' or @vorm != ''">
        <br/>
        <span class="analysis">
          <span class="lemma"><xsl:value-of select="@lemma"/></span>
          <xsl:if test="@tahendus != ''"><br/>„<xsl:value-of select="@tahendus"/>“</xsl:if>
          <br/><xsl:value-of select="@liik"/><xsl:text> </xsl:text><xsl:value-of select="@vorm"/>
        </span>
      </xsl:if>
    </span>
  </xsl:template>
</xsl:stylesheet>
