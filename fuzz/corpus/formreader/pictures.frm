object F: TForm
  object B: TGlowButton
    Picture.Data = { 424D 00 }
    HotPicture.Data = @images/close.bmp
  end
end
