1VERSION 1.0
Begin Form frmShowcase
   Caption         =   "vntab showcase"
   ScaleMode       =  lC 1   
ientWidth     =   7200
   ClientHeight    =   5tiled pictures"
   Scaëö≤êde       =   1
   ClientWid    th =   7 = Ÿ  440
   ClientHei"Mght    = S  3240