# Finishes the page help2man wrote in the C locale (see manual_page.cmake):
#   perl -CSD -0777 -p manual_page_french.pl DATE < raw > page
# help2man's own heading and the date become French, with no English word
# breaks; in the usage block each command line starts a line of its own, as
# in --help, while the text that describes it is filled as usual.
BEGIN { $date = pop @ARGV; }

s/^\.TH (\S+) "1" "[^"]*"(.*)$/.TH $1 "1" "$date"$2\n.\\" No hyphenation: the formatter knows English word breaks only.\n.nh/m;
s/^\.SH NAME$/.SH NOM/m;

s{(^\.SS "Utilisation :"\n)(.*?)(?=^\.S[SH] |\z)}{
  my ($heading, $block) = ($1, $2);
  my $command = qr/(?:zantrel\\-velquist\\-creator|\[)/;
  # A break before and after every line that gives a command.
  $block =~ s/^($command[^\n]*\n)(?=[^.\n])/$1.br\n/mg;
  $block =~ s/^([^.\n][^\n]*\n)(?=$command)/$1.br\n/mg;
  $heading . $block;
}mse;
