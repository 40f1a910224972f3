#include <LiquidCrystal.h>
const int rs = 12, en = 11, d4 = 5, d5 = 4, d6 = 3, d7 = 2;
LiquidCrystal lcd(rs, en, d4, d5, d6, d7);

byte heart[8] = {
  0b00000,
  0b01010,
  0b11111,
  0b11111,
  0b11111,
  0b01110,
  0b00100,
  0b00000
};
byte smiley[8] = {B00000, B10001, B00000, B00000, B10001, B01110, B00000, B00000};
byte frown[8] = {B00000, B10001, B00000, B00000, B01110, B10001, B00000, B00000};
byte arms[8] = {B00100, B01010, B00100, B11111, B00100, B00100, B01010, B10001};  // {up}
byte bell[8] = {B00100, B01110, B01110, B01110, B11111, B00000, B00100, B00000};

void setup() {
  lcd.begin(16, 2);
  lcd.createChar(0, heart);
  lcd.createChar(1, smiley);
  lcd.createChar(2, frown);
  lcd.createChar(3, arms);
  lcd.createChar(7, bell);
  lcd.print("I {");
  lcd.write(byte(0));
}

void loop() {}
