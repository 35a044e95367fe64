3
0, "quoted, with comma"
4, x
5, span
2
1, 1, 0, 
3, 1, 0, 
2
2.1e+11, "quoted, with comma"
2E8, x

1
8.5E-6, x
2
2, 1, 2
1, 
2, 3, 2, 1, 
2
2, 2, 4, 11, 0, 0, "quoted, with comma"
1, 4, -1, 1, 0.5, 0, "quoted, with comma"

0
