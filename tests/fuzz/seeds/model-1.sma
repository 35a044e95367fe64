5
0, 
9.5, "quoted, with comma"
14.5, x
22, x
24.5, x
2
1, 1
0, span
5, 1, 0, "quoted, with comma"
1
2E8, x
1
8.5E-6, span
4
2, 1, 1
1, "quoted, with comma"
2, 3, 1, 1, 
4, 3
1, 1, x
4, 5, 1
1, "quoted, with comma"
4
1, 2, 2, -4, 0.5, 0.5, "quoted, with comma"
3, 4, 6
-5
0, 0.25, "quoted, with comma"
3, 3, 11, -4, 0.5, 0, "quoted, with comma"
1, 4, -4, 0, 0
0.25, "quoted, with comma"

1
4, -1, 1, "quoted, with comma"
